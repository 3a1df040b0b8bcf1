#include "helplaunch.h"
#include "filenames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {

QString styleArgument(WindowStyle style) {
    switch (style) {
    case WindowStyle::MaximizedFocus:
        return "maximized";
    case WindowStyle::MinimizedFocus:
        return "minimized";
    case WindowStyle::Hidden:
        return "hidden";
    case WindowStyle::NormalFocus:
        break;
    }
    return "normal";
}

bool isNamed(const QString& name, const QString& program) {
    return name.compare(program + ".exe", Qt::CaseInsensitive) == 0 ||
           name.compare(program, Qt::CaseInsensitive) == 0;
}

QString folderOrOurs(const QString& programDir) {
    return programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir;
}

} // namespace

QString programFor(const QString& name, const QString& programDir) {
    if (isNamed(name, "winhlp32"))
        return QDir(programDir).filePath("helpview");
    if (isNamed(name, "mspaint")) {
        const QString other = qEnvironmentVariable(PaintProgramVariable);
        if (other.isEmpty())
            return QDir(programDir).filePath("paint");
        const QString found = QStandardPaths::findExecutable(other);
        return found.isEmpty() ? other : found;
    }
    return name;
}

bool shellProgramRuns(const QString& name, const QString& programDir) {
    return services().programRuns(programFor(name, folderOrOurs(programDir)));
}

bool shell(const QString& commandLine, WindowStyle style, const QString& programDir) {
    QStringList words = commandLine.split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return false;
    const QString folder = folderOrOurs(programDir);
    const QString program = programFor(words.takeFirst(), folder);
    if (!QFileInfo(program).isExecutable()) {
        msgBox(QString("The program %1 cannot be found.").arg(program), Buttons::Ok,
               Icon::Exclamation);
        return false;
    }
    for (const QString& word : words) {
        if (word.endsWith(".hlp", Qt::CaseInsensitive) &&
            !QFileInfo(resolveFileName(word)).isFile()) {
            msgBox(QString("The help file %1 cannot be found in %2.")
                       .arg(word, QDir::toNativeSeparators(QDir::currentPath())),
                   Buttons::Ok, Icon::Exclamation);
            return false;
        }
    }
    // Only our own programs know the window option; another paint program gets the file alone.
    if (QFileInfo(program).absolutePath() == QFileInfo(folder).absoluteFilePath())
        words << "--window" << styleArgument(style);
    if (!services().startProgram(program, words)) {
        msgBox(QString("The program %1 could not be started.").arg(program), Buttons::Ok,
               Icon::Exclamation);
        return false;
    }
    return true;
}

} // namespace platform
