#include "scriptedservices.h"

#include <stdexcept>

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
    if (inputAnswers.empty())
        return std::nullopt;
    std::optional<QString> answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedServices::fileDialog(const platform::FileDialogRequest& request) {
    fileDialogs.append(request);
    if (fileAnswers.empty())
        return std::nullopt;
    std::optional<QString> answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

bool ScriptedServices::startProgram(const QString& program, const QStringList& arguments) {
    started.append({program, arguments});
    return startSucceeds;
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
