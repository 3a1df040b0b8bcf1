#include "maze/form1.h"
#include "pattern/wrongwrong.h"
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

struct ProgramMenus {
    const char* program;
    StartProgram start;
    QStringList menus; // as menuTable gives them once the program has started
};

const ProgramMenus programs[] = {
    {"squares",
     started<squares::Form1>,
     {"GameMenu|&Game", "NewGame|&New|F2", "OpenGame|&Open", "SaveGame|&Save", "SaveAs|Save &As",
      "blank2|-", "difficulty1|Difficulty &1||checked", "difficulty2|Difficulty &2||unchecked",
      "blank|-", "Closeit|E&xit", "HelpMenu|&Help", "HelpContent|&Contents|F1",
      "HelpAbout|&About"}},
    {"maze",
     started<maze::Form1>,
     {"FileMenu|&Game", "NewGame|&New|F2", "OpenMaze|&Open", "Empty2|-", "AllDone|E&xit",
      "HelpMenu|&Help", "HelpContents|&Contents|F1", "HelpAbout|&About"}},
    {"pattern",
     started<pattern::wrongwrong>,
     {"game_menu|&Game", "newgame|&New Game|F2", "nothing1|-", "closethething|E&xit",
      "Helpmenu|&Help", "ContentsMenu|&Contents|F1", "AboutMenu|&About"}},
    {"about-quiblax", started<suite::Form1>, {}},
};

} // namespace

TEST(ProgramMenus, CaptionsShortcutsAndCheckMarksAsDescribed) {
    ScriptedServices services;
    for (const ProgramMenus& program : programs) {
        const std::unique_ptr<QWidget> window = program.start();
        EXPECT_EQ(menuTable(window.get()), program.menus) << program.program;
    }
}
