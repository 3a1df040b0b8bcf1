#include "platform/menus.h"

#include <QMenuBar>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class CountingWindow : public QWidget {
  public:
    void Exit_Click() { ++exits; }
    void Help_Click() { ++helps; }
    int exits = 0;
    int helps = 0;
};

} // namespace

TEST(MenusTest, AnItemCarriesItsNameCaptionShortcutAndHandler) {
    CountingWindow window;
    QMenuBar bar(&window);
    QMenu* menu = bar.addMenu("&Game");
    QAction* exit =
        platform::addMenuItem(menu, "Closeit", "E&xit", &window, &CountingWindow::Exit_Click);
    QAction* help = platform::addMenuItem(menu, "Contents", "&Contents", &window,
                                          &CountingWindow::Help_Click, Qt::Key_F1);
    EXPECT_EQ(exit->objectName(), "Closeit");
    EXPECT_EQ(exit->text(), "E&xit");
    EXPECT_TRUE(exit->shortcut().isEmpty());
    EXPECT_EQ(help->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(menu->actions(), (QList<QAction*>{exit, help}));
    exit->trigger();
    help->trigger();
    help->trigger();
    EXPECT_EQ(window.exits, 1);
    EXPECT_EQ(window.helps, 2);
}
