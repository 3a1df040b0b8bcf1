#pragma once

#include "services.h"
#include "waveplayer.h"

namespace platform {

// The services on Qt's own dialogs, for the real programs.
class QtServices : public Services {
  public:
    Answer messageBox(const MessageRequest& request) override;
    std::optional<QString> inputBox(const InputRequest& request) override;
    std::optional<QString> fileDialog(const FileDialogRequest& request) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    void beep() override;
    void endProgram() override;
    void playWave(const QString& name, const std::optional<QByteArray>& wave) override;

  private:
    WavePlayer player_;
};

} // namespace platform
