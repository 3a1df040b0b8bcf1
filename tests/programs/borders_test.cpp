#include "gimbo/gimbo.h"
#include "hangman/form1.h"
#include "hangman/form3.h"
#include "hangman/form4.h"
#include "kavrinth/frmwinner.h"
#include "kavrinth/kavrinth.h"
#include "kavrinth/picktri.h"
#include "maze/form1.h"
#include "nibbolet/mousemsg.h"
#include "pattern/wrongwrong.h"
#include "pelmora/editor/form3.h"
#include "pelmora/form1.h"
#include "pelmora/form2.h"
#include "pelmora/form4.h"
#include "scriptedservices.h"
#include "shared/aboutbox.h"
#include "shared/aboutlayout.h"
#include "shared/splash.h"
#include "squares/form1.h"
#include "startedprogram.h"
#include "suite/form1.h"

#include <QMainWindow>
#include <QTest>

namespace {

using Window = std::shared_ptr<QWidget>;

template <class MainWindow> Window program() {
    return started<MainWindow>();
}

// A window that lives beside the main window that made it.
template <class MainWindow> Window madeBy(std::function<QWidget*(MainWindow&)> make) {
    std::shared_ptr<MainWindow> owner(static_cast<MainWindow*>(started<MainWindow>().release()));
    return Window(owner, make(*owner));
}

template <class Dialog, class State> Window withState() {
    static State state;
    return std::make_shared<Dialog>(state, nullptr);
}

Window about(shared::AboutGame game) {
    return std::make_shared<shared::AboutBox>(shared::aboutLayout(game), QPixmap(32, 32));
}

enum class Border { Fixed, Sizable };

struct WindowBorder {
    const char* window;
    std::function<Window()> make;
    Border border;
    const char* bottomStrip = nullptr; // a control aligned to the bottom edge
};

const WindowBorder windows[] = {
    {"squares Form1", program<squares::Form1>, Border::Fixed},
    {"maze Form1", program<maze::Form1>, Border::Sizable},
    {"hangman Form1", program<hangman::Form1>, Border::Fixed},
    {"hangman Form3", [] { return madeBy<hangman::Form1>(&hangman::Form1::editor); },
     Border::Fixed},
    {"hangman Form4", [] { return madeBy<hangman::Form1>(&hangman::Form1::result); },
     Border::Fixed},
    {"pelmora Form1", program<pelmora::Form1>, Border::Sizable},
    {"pelmora Form2", withState<pelmora::Form2, pelmora::Pelmora1>, Border::Fixed},
    {"pelmora Form4", withState<pelmora::Form4, pelmora::Pelmora1>, Border::Sizable},
    {"pelmora editor Form3", [] { return Window(std::make_shared<pelmora::editor::Form3>()); },
     Border::Sizable},
    {"kavrinth Kavrinth", program<kavrinth::Kavrinth>, Border::Sizable, "Picture1"},
    {"kavrinth picktri", [] { return Window(std::make_shared<kavrinth::picktri>(nullptr)); },
     Border::Sizable},
    {"kavrinth frmWinner", withState<kavrinth::frmWinner, kavrinth::Triangle>, Border::Sizable},
    {"gimbo Gimbo", program<gimbo::Gimbo>, Border::Fixed},
    {"nibbolet Nibbolet", [] { return Window(startedAgainstTheComputer()); }, Border::Fixed},
    {"nibbolet MouseMsg", withState<nibbolet::MouseMsg, nibbolet::NIBBOLET1>, Border::Fixed},
    {"pattern wrongwrong", program<pattern::wrongwrong>, Border::Sizable, "Status"},
    {"about-quiblax Form1", program<suite::Form1>, Border::Sizable},
    {"Splash", [] { return Window(std::make_shared<shared::Splash>(60000)); }, Border::Fixed},
    {"SquaresAbout", [] { return about(shared::AboutGame::Squares); }, Border::Fixed},
    {"maze aboutit", [] { return about(shared::AboutGame::Maze); }, Border::Fixed},
    {"Form5", [] { return about(shared::AboutGame::Hangman); }, Border::Sizable},
    {"pelmora aboutit", [] { return about(shared::AboutGame::Pelmora); }, Border::Fixed},
    {"kavrinth aboutit", [] { return about(shared::AboutGame::Kavrinth); }, Border::Fixed},
    {"HexAbout", [] { return about(shared::AboutGame::Gimbo); }, Border::Fixed},
    {"nibbolet aboutit", [] { return about(shared::AboutGame::Nibbolet); }, Border::Fixed},
    {"pattern aboutit", [] { return about(shared::AboutGame::Pattern); }, Border::Fixed},
};

} // namespace

// A fixed window keeps its size; a sizable one, enlarged, is its background colour out to the
// new edges, and a control aligned to the bottom edge stays there at the full width.
TEST(WindowBorders, FixedOrSizableAsDescribed) {
    ScriptedServices services;
    ProgramFolder folder;
    for (const WindowBorder& row : windows) {
        const Window window = row.make();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get())) << row.window;
        const QSize design = window->size();
        window->resize(design + QSize(120, 80));
        if (row.border == Border::Fixed) {
            EXPECT_EQ(window->size(), design) << row.window;
            EXPECT_EQ(window->minimumSize(), window->maximumSize()) << row.window;
            continue;
        }
        EXPECT_EQ(window->size(), design + QSize(120, 80)) << row.window;
        if (window->size() != design + QSize(120, 80))
            continue;
        auto* main = qobject_cast<QMainWindow*>(window.get());
        QWidget* client = main ? main->centralWidget() : window.get();
        int stripHeight = 0;
        if (row.bottomStrip) {
            auto* strip = client->findChild<QWidget*>(row.bottomStrip);
            ASSERT_TRUE(strip) << row.window;
            stripHeight = strip->height();
            EXPECT_EQ(QRect(strip->mapTo(window.get(), QPoint(0, 0)), strip->size()),
                      QRect(0, window->height() - stripHeight, window->width(), stripHeight))
                << row.window;
        }
        const QImage image = window->grab().toImage();
        EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() - 2 - stripHeight),
                  client->palette().color(client->backgroundRole()))
            << row.window;
    }
}
