#include "categoryswitch.h"
#include "platform/filenames.h"
#include "platform_files/renamefile.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace pelmora {

namespace {

void renameAll(const QStringList& items, const QString& from, const QString& to,
               std::vector<SwitchProblem>& problems) {
    for (const QString& item : items) {
        const QString old = item + from;
        if (!QFileInfo(platform::resolveFileName(old)).isFile())
            continue;
        // A category whose file is there under both names is reported once.
        const bool reported = std::any_of(problems.begin(), problems.end(), [&](const auto& p) {
            return QSet<QString>{p.from, p.to} == QSet<QString>{old, item + to};
        });
        QString reason;
        if (!reported && !platform::renameWithoutReplacing(old, item + to, &reason))
            problems.push_back({old, item + to, reason});
    }
}

} // namespace

std::vector<SwitchProblem> switchCategories(const QStringList& available,
                                            const QStringList& active) {
    std::vector<SwitchProblem> problems;
    renameAll(available, ".trv", ".trh", problems);
    renameAll(active, ".trh", ".trv", problems);
    return problems;
}

QString switchProblemMessage(const SwitchProblem& problem) {
    return "The category file " + problem.from + " could not be renamed to " + problem.to + ": " +
           problem.reason + "  Both files were left as they are.";
}

} // namespace pelmora
