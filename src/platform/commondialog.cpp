#include "commondialog.h"
#include "runtimeerror.h"
#include "services.h"

#include <QFileInfo>

namespace platform {

QStringList qtNameFilters(const QString& barFilter) {
    QStringList result;
    const QStringList parts = barFilter.split('|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        // Drop a pattern list the description already shows in parentheses: Qt reads the
        // patterns from the parentheses at the end.
        const qsizetype open = description.lastIndexOf('(');
        if (open > 0 && description.endsWith(')'))
            description = description.left(open).trimmed();
        QStringList patterns = parts.at(i + 1).split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == "*.*")
                pattern = "*";
        }
        result << QString("%1 (%2)").arg(description, patterns.join(' '));
    }
    // A last part on its own that is a bare pattern ("*.hex") is a pattern without a
    // description; one that reads like a description ("Puzzle (*.PUZ)") names no pattern.
    const QString last = parts.last().trimmed();
    if (parts.size() % 2 == 1 && (last.contains('*') || last.contains('?')) &&
        !last.contains('(') && !last.contains(' '))
        result << QString("%1 (%1)").arg(last);
    return result;
}

QString withDefaultExtension(const QString& path, const QString& defaultExt) {
    if (defaultExt.isEmpty() || path.isEmpty())
        return path;
    const QFileInfo info(path);
    if (info.fileName().contains('.') || info.exists())
        return path;
    return path + '.' + defaultExt;
}

void CommonDialog::setAction(int action) {
    if (action != ShowOpen && action != ShowSave)
        return;
    FileDialogRequest request;
    request.save = action == ShowSave;
    request.title = DialogTitle.isEmpty() ? (request.save ? "Save As" : "Open") : DialogTitle;
    request.nameFilters = qtNameFilters(Filter);
    // A filter that is a description alone lists no pattern; a wildcard name then says which
    // files the dialog shows, as the name box of the Windows dialog does.
    if (request.nameFilters.isEmpty() && (FileName.contains('*') || FileName.contains('?')))
        request.nameFilters = QStringList{FileName};
    request.selectedFilter = FilterIndex > 0 ? FilterIndex - 1 : 0;
    request.defaultSuffix = DefaultExt;
    request.fileName = FileName;
    request.mustExist = !request.save && (Flags & FileMustExist);
    request.confirmOverwrite = request.save && (Flags & OverwritePrompt);
    // The dialog never changes the current directory, so NoChangeDir always holds: the games
    // read their data files by bare name from it.
    const std::optional<QString> chosen = services().fileDialog(request);
    if (!chosen) {
        if (CancelError)
            throw RunTimeError(error::DialogCancelled, "Cancel was selected.");
        return;
    }
    FileName = *chosen;
}

std::optional<QString> chooseFile(CommonDialog& dialog, const QString& title, int action) {
    try {
        dialog.DialogTitle = title;
        dialog.CancelError = true;
        dialog.setAction(action);
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
    return dialog.FileName;
}

} // namespace platform
