#include "pattern/wrongwrong.h"
#include "platform/twips.h"
#include "scriptedservices.h"
#include "shared/aboutbox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace pattern;

namespace {

// Steps 3 and 5: the boxes hold 3, 8, 11, 16, ... 72.
const std::deque<double> ThreeAndFive = {0.5, 0.4, 0.7};

// Scripted services that also look at the window while a message box is up.
class WatchingServices : public ScriptedServices {
  public:
    std::function<void()> whileMessageShows;
    platform::Answer messageBox(const platform::MessageRequest& request) override {
        if (whileMessageShows)
            whileMessageShows();
        return ScriptedServices::messageBox(request);
    }
};

bool shows(QLabel* mark, QLabel* picture) {
    return mark->pixmap().toImage() == picture->pixmap().toImage();
}

} // namespace

// The Lumbrisk window played with real key presses, with scripted boxes and draws.
class WrongwrongTest : public QObject {
    Q_OBJECT

    WatchingServices* services = nullptr;
    ScriptedRandom* random = nullptr;
    wrongwrong* form = nullptr;

    void type(int box, const QString& text) {
        QTest::keyClicks(form->Ans[box], text);
        QTest::keyClick(form->Ans[box], Qt::Key_Return);
    }
    void answerRightUpTo(int end) {
        for (int box = 0; box < end; ++box)
            type(box, form->tag(box).trimmed());
    }
    int enabledBoxes() const {
        return int(std::count_if(form->Ans.begin(), form->Ans.end(),
                                 [](QLineEdit* box) { return box->isEnabled(); }));
    }

  private slots:
    void initTestCase() {
        QApplication::setApplicationName("pattern");
        QDir::setCurrent(QCoreApplication::applicationDirPath());
    }
    void init() {
        services = new WatchingServices;
        random = new ScriptedRandom(ThreeAndFive);
        form = new wrongwrong(random);
        form->Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    void cleanup() {
        delete form;
        delete random;
        delete services;
    }

    void startsWithTheFirstBoxCurrentAndTheClockRunning() {
        QCOMPARE(form->windowTitle(), QString("Lumbrisk"));
        QCOMPARE(form->client()->size(), platform::twipsSize(3945, 3300));
        QCOMPARE(form->Ans[8]->geometry(), platform::twipsRect(240 + 540 * 2, 1440, 495, 315));
        QCOMPARE(form->yesorno[8]->geometry(), platform::twipsRect(240 + 540 * 2, 1080, 495, 315));
        QCOMPARE(form->Status->geometry(), platform::twipsRect(0, 2985, 3945, 315));
        QCOMPARE(random->reseeds, 1);
        QCOMPARE(form->tag(0), QString(" 3"));
        QCOMPARE(form->tag(5), QString(" 24"));
        QCOMPARE(form->tag(17), QString(" 72"));
        QCOMPARE(enabledBoxes(), 1);
        QVERIFY(form->Ans[0]->isEnabled());
        QCOMPARE(QApplication::focusWidget(), form->Ans[0]);
        QVERIFY(form->Timer1->isActive());
        QCOMPARE(form->Timer1->interval(), 1000);
        QVERIFY(!form->wrong->isVisible() && !form->Right->isVisible());
        QCOMPARE(form->wrong->pixmap().size(), QSize(25, 22));
        QCOMPARE(form->Right->pixmap().size(), QSize(30, 23));
    }

    void enterInAnEmptyBoxIsAWrongTry() {
        QTest::keyClick(form->Ans[0], Qt::Key_Return);
        QVERIFY(shows(form->yesorno[0], form->wrong));
        QCOMPARE(form->Ans[0]->text(), QString(""));
        QVERIFY(form->Ans[0]->isEnabled());
        QCOMPARE(QApplication::focusWidget(), form->Ans[0]);
        QCOMPARE(form->module().tries, 1);
        QVERIFY(services->messages.isEmpty());
    }

    void aRightAnswerAfterAWrongOneTakesTheTick() {
        type(0, "4");
        QVERIFY(shows(form->yesorno[0], form->wrong));
        type(0, "03.0 apples");
        QVERIFY(shows(form->yesorno[0], form->Right));
        QCOMPARE(form->Ans[0]->text(), QString("03.0 apples"));
        QVERIFY(!form->Ans[0]->isEnabled());
        QVERIFY(form->Ans[1]->isEnabled());
        QCOMPARE(QApplication::focusWidget(), form->Ans[1]);
        QCOMPARE(form->module().tries, 0);
        QCOMPARE(form->module().missed, 0);
        QVERIFY(form->yesorno[1]->pixmap().isNull());
    }

    void threeWrongTriesRevealTheNumberAndMoveOn() {
        answerRightUpTo(5);
        type(5, "23");
        type(5, "");
        type(5, "1e400"); // beyond any double: just a wrong try
        QCOMPARE(form->Ans[5]->text(), QString(" 24"));
        QVERIFY(shows(form->yesorno[5], form->wrong));
        QVERIFY(!form->Ans[5]->isEnabled());
        QCOMPARE(QApplication::focusWidget(), form->Ans[6]);
        QCOMPARE(enabledBoxes(), 1);
        QCOMPARE(form->module().missed, 1);
        QCOMPARE(form->module().tries, 0);
        // Typing in a finished box does nothing.
        QTest::keyClick(form->Ans[5], Qt::Key_Return);
        QCOMPARE(form->Ans[5]->text(), QString(" 24"));
        QCOMPARE(form->module().tries, 0);
    }

    void theLastBoxEndsTheGameAndTheClockStopsAfterTheMessage() {
        for (int tick = 0; tick < 17; ++tick)
            form->Timer1_Timer();
        QCOMPARE(form->Status->text(), QString(" 17"));
        bool runningWhileShown = false;
        services->whileMessageShows = [&] { runningWhileShown = form->Timer1->isActive(); };
        answerRightUpTo(18);
        QCOMPARE(services->messages.size(), 1);
        const platform::MessageRequest& end = services->messages[0];
        QCOMPARE(end.prompt, QString("You missed 0 and you completed the puzzle in  17 seconds."));
        QCOMPARE(end.title, QString("Game Over"));
        QCOMPARE(end.icon, platform::Icon::Information);
        QCOMPARE(end.buttons, platform::Buttons::Ok);
        QVERIFY(runningWhileShown);
        QVERIFY(!form->Timer1->isActive());
        QCOMPARE(enabledBoxes(), 0);
        QCOMPARE(form->Status->text(), QString(" 17"));
        QTest::keyClick(form->Ans[17], Qt::Key_Return);
        QCOMPARE(services->messages.size(), 1);
    }

    void threeMissesOnTheLastBoxAreCounted() {
        answerRightUpTo(17);
        form->Timer1_Timer();
        for (int i = 0; i < 3; ++i)
            type(17, "0");
        QCOMPARE(services->prompts(),
                 QStringList({"You missed 1 and you completed the puzzle in  1 seconds."}));
        QCOMPARE(form->Ans[17]->text(), QString(" 72"));
        QVERIFY(!form->Timer1->isActive());
    }

    void newGameMidwayStartsAfresh() {
        answerRightUpTo(3);
        type(3, "1");
        type(3, "2");
        type(3, "3");
        form->Timer1_Timer();
        form->Timer1_Timer();
        random->values = {0.0, 0.5}; // the single step 4
        form->newgame->trigger();
        QCOMPARE(random->reseeds, 2);
        QCOMPARE(form->tag(0), QString(" 4"));
        QCOMPARE(form->tag(17), QString(" 72"));
        for (int i = 0; i < BoxCount; ++i) {
            QCOMPARE(form->Ans[i]->text(), QString(""));
            QVERIFY(form->yesorno[i]->pixmap().isNull());
        }
        QCOMPARE(enabledBoxes(), 1);
        QVERIFY(form->Ans[0]->isEnabled());
        QCOMPARE(QApplication::focusWidget(), form->Ans[0]);
        QCOMPARE(form->module().missed, 0);
        QCOMPARE(form->module().seconds, 0);
        QCOMPARE(form->module().tries, 0);
        QCOMPARE(form->Status->text(), QString(" 2")); // until the next tick
        form->Timer1_Timer();
        QCOMPARE(form->Status->text(), QString(" 1"));
        QVERIFY(form->Timer1->isActive());
    }

    void aNewGameAfterTheEndRestartsTheClock() {
        answerRightUpTo(18);
        QVERIFY(!form->Timer1->isActive());
        random->values = ThreeAndFive;
        QTest::keyClick(form, Qt::Key_F2);
        QVERIFY(form->Timer1->isActive());
        QVERIFY(form->Ans[0]->isEnabled());
    }

    void exitHelpAndAbout() {
        form->closethething->trigger();
        QCOMPARE(services->endRequests, 1);

        form->ContentsMenu->trigger();
        QCOMPARE(services->started.size(), 1);
        QVERIFY(services->started[0].first.endsWith("/helpview"));
        QCOMPARE(services->started[0].second, QStringList({"pattern.hlp", "--window", "normal"}));
        // A viewer that will not start is reported; the game goes on.
        services->startSucceeds = false;
        form->ContentsMenu->trigger();
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(form->Timer1->isActive() && form->Ans[0]->isEnabled());

        QString caption;
        QTimer::singleShot(0, [&caption] {
            auto* box = qobject_cast<shared::AboutBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            caption = box->windowTitle() + " / " + box->titleLabel->text();
            for (QLabel* label : box->findChildren<QLabel*>()) {
                if (label->fontMetrics().horizontalAdvance(label->text()) > label->width())
                    caption += " / cut short: " + label->text();
            }
            QTest::mouseClick(box->Command1, Qt::LeftButton);
        });
        form->AboutMenu->trigger();
        QCOMPARE(caption, QString("About Lumbrisk / Lumbrisk"));
    }
};

QTEST_MAIN(WrongwrongTest)
#include "wrongwrong_test.moc"
