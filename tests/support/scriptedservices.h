#pragma once

#include "platform/services.h"
#include "platform/startedprograms.h"
#include "shared/random.h"

#include <QList>
#include <QPair>
#include <deque>
#include <functional>

// Services that answer as a test says and record everything that was asked. Installed for
// the lifetime of the object.
class ScriptedServices : public platform::Services {
  public:
    ScriptedServices();
    ~ScriptedServices() override;

    platform::Answer messageBox(const platform::MessageRequest& request) override;
    std::optional<QString> inputBox(const platform::InputRequest& request) override;
    std::optional<QString> fileDialog(const platform::FileDialogRequest& request) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    // With runPrograms, whether the program started for real still runs; else it always does.
    bool programRuns(const QString& program) override;
    void beep() override { ++beeps; }
    void endProgram() override { ++endRequests; }
    // Records the sound at once; whilePlaying, when set, looks at the windows meanwhile.
    void playWave(const QString& name, const std::optional<QByteArray>&) override {
        waves << name;
        if (whilePlaying)
            whilePlaying(name);
    }
    bool windowExists(const QString& title) override;

    QStringList prompts() const;

    // Answers, used front first; without one a box answers OK and a dialog cancels.
    std::deque<platform::Answer> messageAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    bool startSucceeds = true;
    // Titles of the windows that count as open; with runPrograms, programs are started for
    // real and their shown windows count as well.
    QStringList openWindows;
    bool runPrograms = false;

    QList<platform::MessageRequest> messages;
    QList<platform::InputRequest> inputs;
    QList<platform::FileDialogRequest> fileDialogs;
    QList<QPair<QString, QStringList>> started;
    int beeps = 0;
    int endRequests = 0;
    QStringList waves;
    std::function<void(const QString&)> whilePlaying;
    int windowSearches = 0;

  private:
    platform::StartedPrograms programs_;
};

// A random source that hands out scripted values in turn and counts reseeds.
class ScriptedRandom : public shared::RandomSource {
  public:
    explicit ScriptedRandom(std::deque<double> values = {}) : values(std::move(values)) {}
    double next() override;
    void reseedFromTime() override { ++reseeds; }

    std::deque<double> values;
    int reseeds = 0;
    int drawn = 0;
};
