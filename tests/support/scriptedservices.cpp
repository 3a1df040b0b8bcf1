#include "scriptedservices.h"

#include <stdexcept>

namespace {

// The next scripted text answer, or nullopt (cancel) when none is left. Built from its parts:
// GCC 12 warns, wrongly, that a copied optional<QString> may be uninitialised.
std::optional<QString> takeFront(std::deque<std::optional<QString>>& answers) {
    if (answers.empty() || !answers.front().has_value()) {
        if (!answers.empty())
            answers.pop_front();
        return std::nullopt;
    }
    const QString text = *answers.front();
    answers.pop_front();
    return text;
}

} // namespace

ScriptedServices::ScriptedServices() {
    platform::installServices(this);
}

ScriptedServices::~ScriptedServices() {
    platform::installServices(nullptr);
}

platform::Answer ScriptedServices::messageBox(const platform::MessageRequest& request) {
    messages.append(request);
    if (messageAnswers.empty())
        return platform::Answer::Ok;
    const platform::Answer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedServices::inputBox(const platform::InputRequest& request) {
    inputs.append(request);
    return takeFront(inputAnswers);
}

std::optional<QString> ScriptedServices::fileDialog(const platform::FileDialogRequest& request) {
    fileDialogs.append(request);
    return takeFront(fileAnswers);
}

bool ScriptedServices::startProgram(const QString& program, const QStringList& arguments) {
    started.append({program, arguments});
    if (runPrograms && startSucceeds)
        return programs_.start(program, arguments);
    return startSucceeds;
}

bool ScriptedServices::programRuns(const QString& program) {
    return !runPrograms || programs_.runs(program);
}

bool ScriptedServices::windowExists(const QString& title) {
    ++windowSearches;
    return openWindows.contains(title) || (runPrograms && programs_.windowShown(title));
}

QStringList ScriptedServices::prompts() const {
    QStringList result;
    for (const auto& message : messages)
        result << message.prompt;
    return result;
}

double ScriptedRandom::next() {
    if (values.empty())
        throw std::logic_error("the scripted random values ran out");
    ++drawn;
    const double value = values.front();
    values.pop_front();
    return value;
}
