#include "helplaunch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

} // namespace

QString programFor(const QString& name, const QString& programDir) {
    if (name.compare("winhlp32.exe", Qt::CaseInsensitive) == 0 ||
        name.compare("winhlp32", Qt::CaseInsensitive) == 0)
        return QDir(programDir).filePath("helpview");
    return name;
}

void shell(const QString& commandLine, WindowStyle style, const QString& programDir) {
    QStringList words = commandLine.split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return;
    const QString program =
        programFor(words.takeFirst(),
                   programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir);
    if (!QFileInfo(program).isExecutable()) {
        msgBox(QString("The program %1 cannot be found.").arg(program), Buttons::Ok,
               Icon::Exclamation);
        return;
    }
    for (const QString& word : words) {
        if (word.endsWith(".hlp", Qt::CaseInsensitive) && !QFileInfo::exists(word)) {
            msgBox(QString("The help file %1 cannot be found in %2.")
                       .arg(word, QDir::toNativeSeparators(QDir::currentPath())),
                   Buttons::Ok, Icon::Exclamation);
            return;
        }
    }
    words << "--window" << styleArgument(style);
    if (!services().startProgram(program, words))
        msgBox(QString("The program %1 could not be started.").arg(program), Buttons::Ok,
               Icon::Exclamation);
}

} // namespace platform
