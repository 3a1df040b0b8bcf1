#include "aboutlayout.h"

#include <map>

namespace shared {

namespace {

// The common layout the other boxes vary: icon 600 x 600, title and notice beside it.
AboutLayout wideIconLayout(QString caption, QString title, int clientHeight, int noticeWidth) {
    AboutLayout layout;
    layout.windowClass = "aboutit";
    layout.caption = std::move(caption);
    layout.titleLabelName = "Label1";
    layout.noticeLabelName = "Label2";
    layout.title = std::move(title);
    layout.client = {3795, clientHeight};
    layout.icon = {600, 570, 600, 600};
    layout.titleLabel = {1380, 645, 1395, 375};
    layout.notice = {1380, 885, noticeWidth, 375};
    layout.rule = {15, 1335, 3780, 1335};
    layout.ok = {1140, 1680, 1455, 315};
    return layout;
}

AboutLayout squaresLayout() {
    AboutLayout layout;
    layout.windowClass = "SquaresAbout";
    layout.caption = "About";
    layout.titleLabelName = "Label1";
    layout.noticeLabelName = "Label2";
    layout.title = "QUIBLAX Squares";
    layout.focusOnActivate = true;
    layout.okFirstInTabOrder = false;
    layout.client = {3795, 2235};
    layout.icon = {585, 645, 585, 495};
    layout.titleLabel = {1380, 645, 1830, 255};
    layout.notice = {1380, 885, 3225, 315};
    layout.rule = {30, 1305, 3795, 1305};
    layout.ok = {1140, 1560, 1455, 345};
    return layout;
}

AboutLayout hangmanLayout() {
    AboutLayout layout = wideIconLayout("About Hangman", "HangMan", 2295, 2325);
    layout.windowClass = "Form5";
    layout.titleLabelName = "Label10";
    layout.noticeLabelName = "Label9";
    layout.client = {3780, 2295};
    layout.okHides = true;
    layout.focusStartsOnIcon = true;
    layout.okFirstInTabOrder = false;
    layout.sizable = true;
    layout.okIsDefaultAndCancel = true;
    layout.icon = {600, 570, 600, 615};
    layout.titleLabel = {1380, 645, 1395, 270};
    return layout;
}

AboutLayout nibboletLayout() {
    AboutLayout layout = wideIconLayout("About Nibbolet", "Nibbolet", 2340, 2340);
    layout.icon.moveTop(555);
    layout.ok.moveLeft(1080);
    return layout;
}

AboutLayout gimboLayout() {
    AboutLayout layout = squaresLayout();
    layout.windowClass = "HexAbout";
    layout.title = "GimboAgram";
    layout.okHides = true;
    layout.client = {3795, 2415};
    layout.ok = {1200, 1680, 1455, 345};
    return layout;
}

AboutLayout patternLayout() {
    AboutLayout layout = wideIconLayout("About Lumbrisk", "Lumbrisk", 3975, 2310);
    layout.ok = {1140, 3435, 1455, 315};
    ContactBlock contact;
    contact.heading = {30, 1470, 3750, 315};
    for (int top : {1875, 2115, 2355, 2595, 2835})
        contact.lines.append(QRect(1080, top, 1860, 270));
    contact.labelNames = {"Label8", "Label3", "Label5", "Label4", "Label6"};
    layout.contact = contact;
    return layout;
}

} // namespace

const AboutLayout& aboutLayout(AboutGame game) {
    static const std::map<AboutGame, AboutLayout> layouts = {
        {AboutGame::Squares, squaresLayout()},
        {AboutGame::Pelmora, wideIconLayout("About Pelmora", "Pelmora", 2295, 2220)},
        {AboutGame::Kavrinth, wideIconLayout("About Kavrinth", "Kavrinth", 2310, 2310)},
        {AboutGame::Hangman, hangmanLayout()},
        {AboutGame::Nibbolet, nibboletLayout()},
        {AboutGame::Gimbo, gimboLayout()},
        {AboutGame::Maze, wideIconLayout("About QUIBLAX Maze", "QUIBLAX Maze", 2295, 2310)},
        {AboutGame::Pattern, patternLayout()},
    };
    return layouts.at(game);
}

QString aboutNotice() {
    return "Free to play and share.";
}

QString contactHeading() {
    return "HOW TO REACH ME";
}

QStringList contactLines() {
    return {"QUIBLAX Games", "7 Lantern Row", "Brackmoor BM4 2QX", "Tel 0100 555 0199",
            "hi@quiblax.example"};
}

} // namespace shared
