#pragma once

#include "services.h"
#include "startedprograms.h"
#include "waveplayer.h"

namespace platform {

// The services on Qt's own dialogs, for the real programs.
class QtServices : public Services {
  public:
    Answer messageBox(const MessageRequest& request) override;
    std::optional<QString> inputBox(const InputRequest& request) override;
    std::optional<QString> fileDialog(const FileDialogRequest& request) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool programRuns(const QString& program) override;
    void beep() override;
    void endProgram() override;
    void playWave(const QString& name, const std::optional<QByteArray>& wave) override;
    // On X11 the display is asked; elsewhere a window of a program started here counts.
    bool windowExists(const QString& title) override;

  private:
    WavePlayer player_;
    StartedPrograms started_;
};

} // namespace platform
