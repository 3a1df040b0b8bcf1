#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The window style the games pass to the programs they start ("--window maximized"), as the
// help viewer and the paint program take it.
namespace platform {

// Takes "--window STYLE" out of the arguments; "normal" when it is not there.
QString takeWindowOption(QStringList& arguments);

// Shows the window in that style (normal, maximized, minimized or hidden) and activates it.
void showInStyle(QWidget& window, const QString& style);

} // namespace platform
