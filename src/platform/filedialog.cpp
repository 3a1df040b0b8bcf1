#include "filedialog.h"
#include "commondialog.h"
#include "filenames.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>

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
    // The toolkit's own completion reads quotes in the name box as a list of names, selects
    // each of them in the list, and a click on a listed name then turns the name box into that
    // list. Here the list follows the name box as one name.
    if (QLineEdit* box = nameBox()) {
        disconnect(box, SIGNAL(textChanged(QString)), this, SLOT(_q_autoCompleteFileName(QString)));
        connect(box, &QLineEdit::textChanged, this, &FileDialog::followNameBox);
    }
}

QLineEdit* FileDialog::nameBox() const {
    return findChild<QLineEdit*>("fileNameEdit");
}

QString FileDialog::typedPath() const {
    const QString text = nameBox()->text();
    const QString path = directory().filePath(text);
    if (QFileInfo::exists(path) || !(text == "~" || text.startsWith("~/")))
        return path;
    return QDir::homePath() + text.mid(1);
}

// Selects the one file the name box names, if it is listed, and lets any name be confirmed:
// the toolkit judges the OK button by the quoted names it reads.
void FileDialog::followNameBox() {
    auto* list = findChild<QAbstractItemView*>("listView");
    auto* files = list ? qobject_cast<QFileSystemModel*>(list->model()) : nullptr;
    if (!files || nameBox()->text().isEmpty())
        return;
    list->selectionModel()->select(files->index(typedPath()),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    for (auto* button : findChildren<QDialogButtonBox*>())
        if (QPushButton* ok =
                button->button(request_.save ? QDialogButtonBox::Save : QDialogButtonBox::Open))
            ok->setEnabled(true);
}

bool FileDialog::folderPicked() const {
    const auto* list = findChild<QAbstractItemView*>("listView");
    const auto* files = list ? qobject_cast<QFileSystemModel*>(list->model()) : nullptr;
    const QModelIndexList rows = files ? list->selectionModel()->selectedRows() : QModelIndexList{};
    return rows.size() == 1 && files->isDir(rows.first());
}

void FileDialog::filterBy(const QFileInfo& typed) {
    if (typed.dir().exists())
        setDirectory(typed.dir());
    const QString pattern = typed.fileName().replace(';', ' ');
    QStringList filters = nameFilters();
    if (!filters.contains(pattern))
        setNameFilters(filters << pattern);
    selectNameFilter(pattern);
}

void FileDialog::accept() {
    // The names the typing suggested go, whether the dialog then closes or stays.
    if (QCompleter* suggestions = nameBox() ? nameBox()->completer() : nullptr)
        suggestions->popup()->hide();
    // The name box holds one name, quotes and all. An empty one and ".." are the toolkit's.
    if (!nameBox() || nameBox()->text().isEmpty() || nameBox()->text() == "..")
        return QFileDialog::accept();
    QString path = typedPath();
    const QFileInfo typed(path);
    if (typed.isDir()) {
        setDirectory(path);
        nameBox()->clear();
        return;
    }
    // A folder clicked in the list after a name was typed opens, and the name stays.
    if (folderPicked())
        return QFileDialog::accept();
    // "*" and "?" are legal in a name: only a last part that names no file is a pattern.
    const bool pattern = isWildcard(typed.fileName());
    if (request_.save) {
        path = withDefaultExtension(path, request_.defaultSuffix);
        if (pattern && !QFileInfo::exists(path))
            return filterBy(typed);
        if (request_.confirmOverwrite && QFileInfo::exists(path) &&
            msgBox(QString("%1 already exists.\nDo you want to replace it?")
                       .arg(QFileInfo(path).fileName()),
                   Buttons::YesNo, Icon::Exclamation, windowTitle()) != Answer::Yes)
            return;
    } else if (const QString found = typedFile(path, request_.defaultSuffix); !found.isEmpty()) {
        path = found;
    } else if (pattern) {
        return filterBy(typed);
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
