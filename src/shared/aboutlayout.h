#pragma once

#include <QLine>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace shared {

enum class AboutGame { Squares, Pelmora, Kavrinth, Hangman, Nibbolet, Gimbo, Maze, Pattern };

// The "how to reach us" block below the rule of some about windows.
struct ContactBlock {
    QRect heading;          // twips
    QList<QRect> lines;     // twips, in the order of contactLines()
    QStringList labelNames; // control names of the lines
};

// One game's about box: everything that differs from game to game. Geometry in twips.
struct AboutLayout {
    QString windowClass;
    QString caption;
    QString titleLabelName;
    QString noticeLabelName;
    QString title;
    bool okHides = false;           // OK hides the box instead of unloading it
    bool focusOnActivate = false;   // a focus handler puts the focus on OK
    bool focusStartsOnIcon = false; // else the focus starts on OK
    bool okFirstInTabOrder = true;  // else the icon picture comes first
    bool sizable = false;
    bool okIsDefaultAndCancel = false;
    QSize client;
    QRect icon;
    QRect titleLabel;
    QRect notice;
    QLine rule;
    QRect ok;
    std::optional<ContactBlock> contact;
};

const AboutLayout& aboutLayout(AboutGame game);

// The notice line every about box shows, and the suite's contact lines.
QString aboutNotice();
QString contactHeading();
QStringList contactLines();

} // namespace shared
