#include "filedialog.h"
#include "commondialog.h"
#include "filenames.h"

#include <QLineEdit>

namespace platform {

namespace {

bool isWildcard(const QString& name) {
    return name.contains('*') || name.contains('?');
}

// The file a name typed into an Open dialog means: the name as typed, else with the default
// extension, else either of them ignoring case; empty when there is none.
QString typedFile(const QString& path, const QString& defaultExt) {
    const QFileInfo typed(path);
    QStringList names{typed.fileName()};
    const QString extended = withDefaultExtension(path, defaultExt);
    if (extended != path)
        names << QFileInfo(extended).fileName();
    const QDir folder = typed.dir();
    for (const QString& name : names)
        if (QFileInfo(folder.filePath(name)).isFile())
            return folder.filePath(name);
    for (const QString& name : names) {
        const QString found = findIgnoringCase(folder.path(), name);
        if (!found.isEmpty() && QFileInfo(folder.filePath(found)).isFile())
            return folder.filePath(found);
    }
    return {};
}

} // namespace

FileDialog::FileDialog(const FileDialogRequest& request, QWidget* owner)
    : QFileDialog(owner, request.title), request_(request) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Any name may be typed: whether it must exist, and which extension it gets, is decided
    // here on OK, not by the toolkit.
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::DontConfirmOverwrite);
    setNameFilters(request.nameFilters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.nameFilters.size())
        selectNameFilter(request.nameFilters.at(request.selectedFilter));
    if (!request.fileName.isEmpty() && !isWildcard(request.fileName))
        selectFile(request.fileName);
}

void FileDialog::filterBy(const QString& pattern) {
    QStringList filters = nameFilters();
    if (!filters.contains(pattern))
        setNameFilters(filters << pattern);
    selectNameFilter(pattern);
}

void FileDialog::accept() {
    const QLineEdit* nameBox = findChild<QLineEdit*>("fileNameEdit");
    const QStringList files = selectedFiles();
    if (files.isEmpty() || !nameBox)
        return QFileDialog::accept();
    QString path = files.constFirst();
    const QFileInfo typed(path);
    if (isWildcard(nameBox->text())) {
        if (typed.dir().exists())
            setDirectory(typed.dir());
        filterBy(typed.fileName().replace(';', ' '));
        return;
    }
    // A folder opens in the dialog; ".." and the like are the toolkit's.
    if (typed.isDir() || nameBox->text() == "..")
        return QFileDialog::accept();
    if (request_.save) {
        path = withDefaultExtension(path, request_.defaultSuffix);
        if (request_.confirmOverwrite && QFileInfo::exists(path) &&
            msgBox(QString("%1 already exists.\nDo you want to replace it?")
                       .arg(QFileInfo(path).fileName()),
                   Buttons::YesNo, Icon::Exclamation, windowTitle()) != Answer::Yes)
            return;
    } else if (const QString found = typedFile(path, request_.defaultSuffix); !found.isEmpty()) {
        path = found;
    } else if (request_.mustExist) {
        msgBox(QString("%1 cannot be found.\nCheck the name, or choose the file in the list.")
                   .arg(typed.fileName()),
               Buttons::Ok, Icon::Exclamation, windowTitle());
        return;
    } else {
        path = withDefaultExtension(path, request_.defaultSuffix);
    }
    chosen_ = path;
    QDialog::accept();
}

std::optional<QString> runFileDialog(const FileDialogRequest& request, QWidget* owner) {
    FileDialog dialog(request, owner);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen().isEmpty())
        return std::nullopt;
    return dialog.chosen();
}

} // namespace platform
