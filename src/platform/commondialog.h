#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// The Open / Save As dialog as the games use it: set the properties, set Action, read
// FileName. Values stay in force until code changes them.
class CommonDialog {
  public:
    static constexpr long OverwritePrompt = 0x2;  // Save As asks before replacing a file
    static constexpr long NoChangeDir = 0x8;      // the current directory stays as it was
    static constexpr long FileMustExist = 0x1000; // Open accepts existing files only
    static constexpr int ShowOpen = 1;
    static constexpr int ShowSave = 2;

    QString DialogTitle;
    QString Filter; // "Text (*.txt)|*.txt|All Files(*.*)|*.*"
    int FilterIndex = 0;
    QString DefaultExt;
    QString FileName;
    long Flags = 0;
    bool CancelError = false;

    // Runs the dialog modally. After OK, FileName holds the chosen full path. On Cancel it
    // throws RunTimeError 32755 when CancelError is set, and otherwise leaves FileName as it was.
    void setAction(int action);
};

// Runs the dialog the way the games that trap its cancel do: sets the title and CancelError,
// sets Action, and gives the chosen path, or nullopt when the user cancelled.
std::optional<QString> chooseFile(CommonDialog& dialog, const QString& title, int action);

// "Squares (*.squ)|*.squ|All Files(*.*)|*.*" in Qt's form: {"Squares (*.squ)", "All Files (*)"}.
QStringList qtNameFilters(const QString& barFilter);

// The chosen name with DefaultExt added when it has no extension of its own and no file of
// that exact name exists.
QString withDefaultExtension(const QString& path, const QString& defaultExt);

} // namespace platform
