#include "gimbo/gimbo.h"
#include "hangman/form1.h"
#include "kavrinth/kavrinth.h"
#include "maze/form1.h"
#include "pattern/wrongwrong.h"
#include "pelmora/form1.h"
#include "scriptedservices.h"
#include "shared/splash.h"
#include "squares/form1.h"
#include "startedprogram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <gtest/gtest.h>

namespace {

// Notes when top-level windows are shown and hidden, and when.
class WindowLog : public QObject {
  public:
    struct Entry {
        const QWidget* window; // not to be followed: it may be gone
        bool isSplash;
        QEvent::Type type;
        qint64 ms;
    };
    WindowLog() {
        clock_.start();
        qApp->installEventFilter(this);
    }
    ~WindowLog() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget && widget->isWindow() &&
            (event->type() == QEvent::Show || event->type() == QEvent::Hide))
            entries.push_back({widget, qobject_cast<shared::Splash*>(widget) != nullptr,
                               event->type(), clock_.elapsed()});
        return false;
    }
    std::vector<Entry> entries;

  private:
    QElapsedTimer clock_;
};

struct Program {
    const char* program;
    StartProgram start;
};

const Program programs[] = {
    {"squares", started<squares::Form1>},      {"maze", started<maze::Form1>},
    {"pattern", started<pattern::wrongwrong>}, {"hangman", started<hangman::Form1>},
    {"pelmora", started<pelmora::Form1>},      {"kavrinth", started<kavrinth::Kavrinth>},
    {"gimbo", started<gimbo::Gimbo>},          {"nibbolet", startedAgainstTheComputer},
};

} // namespace

TEST(ProgramStart, TheMainWindowShowsOnlyOnceItsSplashHasClosedItself) {
    constexpr int SplashMs = 300;
    qputenv("QUIBLAX_SPLASH_MS", QByteArray::number(SplashMs));
    ScriptedServices services;
    ProgramFolder folder;
    for (const Program& program : programs) {
        SCOPED_TRACE(program.program);
        WindowLog log;
        const std::unique_ptr<QWidget> window = program.start();
        std::optional<qint64> splashShown, splashHidden, mainShown;
        for (const auto& entry : log.entries) {
            const bool isSplash = entry.isSplash;
            if (isSplash && entry.type == QEvent::Show && !splashShown)
                splashShown = entry.ms;
            else if (isSplash && entry.type == QEvent::Hide && !splashHidden)
                splashHidden = entry.ms;
            else if (entry.window == window.get() && entry.type == QEvent::Show && !mainShown)
                mainShown = entry.ms;
            if (entry.window == window.get() && entry.type == QEvent::Show) {
                EXPECT_TRUE(splashHidden) << "the main window showed while its splash was up";
            }
        }
        ASSERT_TRUE(splashShown && splashHidden && mainShown);
        EXPECT_GE(*splashHidden - *splashShown, SplashMs - 1);
        EXPECT_GE(*mainShown, *splashHidden);
        EXPECT_TRUE(window->isVisible());
    }
    qputenv("QUIBLAX_SPLASH_MS", "0");
}
