#include "answerhook.h"

#include <QStringList>

namespace platform {

std::optional<QString> hookAnswer() {
    static QStringList answers = qEnvironmentVariable("QUIBLAX_ANSWERS").split('|');
    static const bool hooked = qEnvironmentVariableIsSet("QUIBLAX_ANSWERS");
    if (!hooked || answers.isEmpty())
        return std::nullopt;
    return answers.takeFirst();
}

Answer answerNamed(const QString& name) {
    if (name.compare("Yes", Qt::CaseInsensitive) == 0)
        return Answer::Yes;
    if (name.compare("No", Qt::CaseInsensitive) == 0)
        return Answer::No;
    if (name.compare("Cancel", Qt::CaseInsensitive) == 0)
        return Answer::Cancel;
    return Answer::Ok;
}

} // namespace platform
