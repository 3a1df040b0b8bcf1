#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Every modal thing a game does (message and input boxes, the file dialog, starting another
// program, the beep, ending the program, sounds) goes through one Services object. The real one
// shows Qt dialogs; tests install a scripted one that records what was asked.
namespace platform {

enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };
enum class WindowStyle { Hidden, NormalFocus, MinimizedFocus, MaximizedFocus };

struct MessageRequest {
    QString prompt;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    QString title;
};

struct InputRequest {
    QString prompt;
    QString title;
    QString defaultText;
};

struct FileDialogRequest {
    bool save = false;
    QString title;
    QStringList nameFilters; // Qt's form: "Squares (*.squ)"
    int selectedFilter = 0;  // index into nameFilters
    QString defaultSuffix;
    QString fileName;
    bool mustExist = false;
    bool confirmOverwrite = false; // else a chosen file is replaced without a question
};

class Services {
  public:
    virtual ~Services() = default;
    virtual Answer messageBox(const MessageRequest& request) = 0;
    // nullopt when the user cancels.
    virtual std::optional<QString> inputBox(const InputRequest& request) = 0;
    // The chosen full path, or nullopt when the user cancels.
    virtual std::optional<QString> fileDialog(const FileDialogRequest& request) = 0;
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    // Whether a program started here under this name still runs.
    virtual bool programRuns(const QString& program) = 0;
    virtual void beep() = 0;
    // Ends the program at once. The real one does not return.
    virtual void endProgram() = 0;
    // Plays a wave file to its end before returning: its name and its bytes, nullopt when it
    // could not be read.
    virtual void playWave(const QString& name, const std::optional<QByteArray>& wave) = 0;
    // Whether a top-level window with exactly this title exists, of any program.
    virtual bool windowExists(const QString& title) = 0;
};

// The services in force: the Qt ones unless a test installed its own.
Services& services();
// Installs replacement services (not owned); nullptr brings back the Qt ones.
void installServices(Services* replacement);

// The program's title, shown by a message box that names no title.
QString programTitle();

// A message box; an empty title shows the program's title.
Answer msgBox(const QString& prompt, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
              const QString& title = {});
// An input box; an empty title shows the program's title. nullopt on Cancel.
std::optional<QString> inputBox(const QString& prompt, const QString& title = {},
                                const QString& defaultText = {});

void beep();
// Ends the program at once: nothing after the call is meant to run.
void endProgram();
// Lets the pending events run once.
void doEvents();
// Whether a top-level window with exactly this title exists.
bool windowExists(const QString& title);

} // namespace platform
