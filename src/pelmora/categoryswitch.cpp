#include "categoryswitch.h"
#include "platform_files/directorylisting.h"
#include "platform_files/renamefile.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace pelmora {

namespace {

// The file of a category with this extension: the exact name first, else one whose extension
// alone is in another case. The part before the extension must match exactly: a name that
// differs from it in case is another category, switched on its own.
QString categoryFile(const QString& item, const QString& extension) {
    const QString exact = item + extension;
    if (QFileInfo(exact).isFile())
        return exact;
    for (const QString& name : platform::listFiles("*" + extension))
        if (name.size() == exact.size() && name.startsWith(item))
            return name;
    return {};
}

void renameAll(const QStringList& items, const QString& from, const QString& to,
               std::vector<SwitchProblem>& problems) {
    for (const QString& item : items) {
        const QString old = categoryFile(item, from);
        if (old.isEmpty())
            continue;
        // A new name that is taken is named as it lies on disk, so the rename refuses it.
        const QString taken = categoryFile(item, to);
        const QString target = taken.isEmpty() ? item + to : taken;
        // A category whose file is there under both names is reported once.
        const bool reported = std::any_of(problems.begin(), problems.end(), [&](const auto& p) {
            return QSet<QString>{p.from, p.to} == QSet<QString>{old, target};
        });
        QString reason;
        if (!reported && !platform::renameWithoutReplacing(old, target, &reason))
            problems.push_back({old, target, reason});
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
