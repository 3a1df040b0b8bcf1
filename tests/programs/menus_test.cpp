#include "gimbo/gimbo.h"
#include "hangman/form1.h"
#include "kavrinth/kavrinth.h"
#include "maze/form1.h"
#include "pattern/wrongwrong.h"
#include "pelmora/form1.h"
#include "platform/titlebar.h"
#include "scriptedservices.h"
#include "squares/form1.h"
#include "startedprogram.h"
#include "suite/form1.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

// Every menu and item of a window as "name|caption", then "|shortcut" where there is one
// or a check mark can be, then "|checked" or "|unchecked" for items that take a check mark.
QStringList menuTable(QWidget* window) {
    QStringList rows;
    auto* bar = window->findChild<QMenuBar*>();
    if (!bar)
        return rows;
    for (QAction* menuAction : bar->actions()) {
        rows << menuAction->menu()->objectName() + "|" + menuAction->text();
        for (QAction* item : menuAction->menu()->actions()) {
            QString row = item->objectName() + "|" + (item->isSeparator() ? "-" : item->text());
            if (!item->shortcut().isEmpty() || item->isCheckable())
                row += "|" + item->shortcut().toString();
            if (item->isCheckable())
                row += item->isChecked() ? "|checked" : "|unchecked";
            rows << row;
        }
    }
    return rows;
}

// The title-bar buttons a window asks for, as the window manager is told them.
QString titleBar(const QWidget* window) {
    const platform::FrameHints hints =
        platform::frameHints(window->windowFlags(), window->minimumSize() == window->maximumSize());
    QStringList buttons;
    if (hints.decorations & platform::FrameHints::MinimizeButton)
        buttons << "minimise";
    if (window->windowFlags() & Qt::WindowMaximizeButtonHint)
        buttons << "maximise";
    if (hints.functions & platform::FrameHints::Close)
        buttons << "close";
    return buttons.join(' ');
}

struct ProgramMenus {
    const char* program;
    StartProgram start;
    const char* titleBar; // the buttons its main window asks of the window manager
    QStringList menus;    // as menuTable gives them once the program has started
};

const ProgramMenus programs[] = {
    {"squares",
     started<squares::Form1>,
     "close",
     {"GameMenu|&Game", "NewGame|&New|F2", "OpenGame|&Open", "SaveGame|&Save", "SaveAs|Save &As",
      "blank2|-", "difficulty1|Difficulty &1||checked", "difficulty2|Difficulty &2||unchecked",
      "blank|-", "Closeit|E&xit", "HelpMenu|&Help", "HelpContent|&Contents|F1",
      "HelpAbout|&About"}},
    {"maze",
     started<maze::Form1>,
     "minimise maximise close",
     {"FileMenu|&Game", "NewGame|&New|F2", "OpenMaze|&Open", "Empty2|-", "AllDone|E&xit",
      "HelpMenu|&Help", "HelpContents|&Contents|F1", "HelpAbout|&About"}},
    {"pattern",
     started<pattern::wrongwrong>,
     "minimise maximise close",
     {"game_menu|&Game", "newgame|&New Game|F2", "nothing1|-", "closethething|E&xit",
      "Helpmenu|&Help", "ContentsMenu|&Contents|F1", "AboutMenu|&About"}},
    {"hangman",
     started<hangman::Form1>,
     "minimise maximise close",
     {"GameMenu|&Game", "NewGame1|&New Game|F2", "Options|&Options", "EdPuzzles|&Puzzles",
      "Blank1|-", "CloseIt|E&xit", "HelpMenu|&Help", "HelpMe|&Contents|F1", "AboutBox|&About"}},
    {"pelmora",
     started<pelmora::Form1>,
     "minimise maximise close",
     {"Game_Menu|&Game", "NewGame|&New|F2", "Blank3|-", "Level1|Level &1||checked",
      "Level2|Level &2||unchecked", "Level3|Level &3||unchecked", "Blank1|-", "Options|&Categories",
      "CreatePuzzle|&Puzzle Editor", "Blank2|-", "Closeit|E&xit", "Help|&Help",
      "contents|&Contents|F1", "About|&About"}},
    {"kavrinth",
     started<kavrinth::Kavrinth>,
     "minimise maximise close",
     {"Game|&Game", "Newgame|&New|F2", "whocares1|-", "Level1|Level &1||checked",
      "Level2|Level &2||unchecked", "Level3|Level &3||unchecked", "whocares2|-",
      "Changpiece|&Change Piece", "listchamps|&List Champs", "resetem|&Reset Champs",
      "Exitgame|E&xit", "helpme|&Help", "rules|&Contents|F1", "About|&About"}},
    {"gimbo",
     started<gimbo::Gimbo>,
     "close",
     {"FileMenu|&File", "NewGame|&New Game|F2", "OpenGame|&Open", "SaveGame|&Save",
      "SaveAsGame|Save &As", "Blank1|-", "CloseGame|E&xit", "Helpme|&Help", "how2play|&Contents|F1",
      "AboutHex|&About"}},
    {"nibbolet", startedAgainstTheComputer, "close", {}}, // buttons, no menu bar
    {"about-quiblax", started<suite::Form1>, "minimise maximise close", {}},
};

} // namespace

TEST(ProgramMenus, CaptionsShortcutsAndCheckMarksAsDescribed) {
    ScriptedServices services;
    ProgramFolder folder;
    for (const ProgramMenus& program : programs) {
        const int ended = services.endRequests;
        const std::unique_ptr<QWidget> window = program.start();
        EXPECT_EQ(menuTable(window.get()), program.menus) << program.program;
        EXPECT_EQ(titleBar(window.get()), program.titleBar) << program.program;
        EXPECT_EQ(services.endRequests, ended) << program.program << " ended at its start";
    }
}
