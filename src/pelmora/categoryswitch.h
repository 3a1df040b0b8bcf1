#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace pelmora {

// A category file that could not be given its new name.
struct SwitchProblem {
    QString from;
    QString to;
    QString reason;
};

// Switches categories by renaming their files: each item of available whose X.trv exists
// becomes X.trh, then each item of active whose X.trh exists becomes X.trv. A file whose new
// name is taken keeps its name and is reported.
std::vector<SwitchProblem> switchCategories(const QStringList& available,
                                            const QStringList& active);

// The message that tells the player about a refused switch.
QString switchProblemMessage(const SwitchProblem& problem);

} // namespace pelmora
