#include "filesizelimit.h"
#include "kavrinth/champions.h"
#include "kavrinth/frmwinner.h"
#include "kavrinth/kavrinth.h"
#include "kavrinth/picktri.h"
#include "kavrinth/pictures.h"
#include "platform/dragcontroller.h"
#include "platform/twips.h"
#include "scriptedservices.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>

using namespace kavrinth;

// The Kavrinth window driven with real mouse and key events, with scripted boxes.
class KavrinthTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    ScriptedServices* services = nullptr;
    Kavrinth* form = nullptr;

    QPoint centreOf(int hole) {
        return form->peg[hole]->mapTo(form->client(), form->peg[hole]->rect().center());
    }
    void press(int hole) { QTest::mousePress(form->peg[hole], Qt::LeftButton, {}, {18, 17}); }
    void moveOver(int hole) { QTest::mouseMove(form->client(), centreOf(hole)); }
    void release(int hole) {
        QTest::mouseRelease(form->client(), Qt::LeftButton, {}, centreOf(hole));
    }
    void drag(int from, int to) {
        press(from);
        moveOver(to);
        release(to);
    }
    QImage shown(int hole) { return form->peg[hole]->pixmap().toImage(); }
    // Runs the step as soon as a modal window is up, from inside its event loop.
    static void whenModal(std::function<void(QWidget*)> step) {
        auto* timer = new QTimer;
        timer->setInterval(5);
        connect(timer, &QTimer::timeout, [timer, step] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
                timer->stop();
                timer->deleteLater();
                step(modal);
            }
        });
        timer->start();
    }
    // One jump left: 4 over 2 into the empty hole 1 ends the game with one piece on 15.
    void lastJumpAhead() {
        QTest::mouseClick(form->peg[1], Qt::LeftButton);
        Triangle& game = form->game();
        for (int h = 1; h <= 15; ++h)
            game.Board[h] = h == 2 || h == 4 ? Piece : Empty;
        game.PegsRemoved = 13;
    }

  private slots:
    void initTestCase() {
        QApplication::setApplicationName("Kavrinth");
        QVERIFY(QDir::setCurrent(folder.path()));
    }
    void init() {
        for (const QString& name : QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            QVERIFY(QFile::remove(name) || QDir(name).removeRecursively());
        services = new ScriptedServices;
        form = new Kavrinth;
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void cleanup() {
        delete form;
        delete services;
    }

    void startsOnLevelOneWithItsMenus() {
        QCOMPARE(form->windowTitle(), QString("Kavrinth"));
        QCOMPARE(form->client()->size(), platform::twipsSize(8790, 5475));
        QVERIFY(form->Level1->isChecked() && !form->Level2->isChecked());
        for (int n = 1; n <= 28; ++n)
            QCOMPARE(form->peg[n]->isVisible(), n <= 15);
        QCOMPARE(form->peg[22]->geometry(), platform::twipsRect(705, 3495, 540, 525));
        QCOMPARE(form->YourScore->text(), QString("Score: 0"));
        QCOMPARE(form->YourTime->text(), QString("Time: 0"));
        QCOMPARE(contentOf("kavrinth.ini"), QByteArray("[PIECE]\r\nPIECE=11\r\n"));
        QCOMPARE(shown(3), piecePicture(11).toImage());
        QStringList captions;
        for (QAction* item : form->menuBar()->actions().first()->menu()->actions())
            captions << item->text();
        QCOMPARE(captions,
                 QStringList({"&New", "", "Level &1", "Level &2", "Level &3", "", "&Change Piece",
                              "&List Champs", "&Reset Champs", "E&xit"}));
        QCOMPARE(form->Newgame->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(form->rules->shortcut(), QKeySequence(Qt::Key_F1));

        form->Level3->trigger();
        QVERIFY(form->Level3->isChecked() && !form->Level1->isChecked());
        QVERIFY(form->peg[28]->isVisible());
        QCOMPARE(form->game().HoleCount, 28);
    }

    void theOpeningClickThenAJumpByDragging() {
        press(4); // no drag before the opening removal
        QVERIFY(!form->dragController()->dragging());
        release(4);
        QCOMPARE(form->game().Board[4], Piece);
        QTest::mouseClick(form->peg[1], Qt::LeftButton);
        QCOMPARE(form->game().Board[1], Empty);
        QCOMPARE(shown(1), form->trihemp->pixmap().toImage());
        QCOMPARE(form->YourScore->text(), QString("Score: 25"));
        form->Timer1_Timer();
        QCOMPARE(form->YourTime->text(), QString("Time:  1"));

        drag(4, 1);
        QVERIFY(services->messages.isEmpty());
        QCOMPARE(form->game().Board[2], Empty);
        QCOMPARE(shown(1), piecePicture(11).toImage());
        QCOMPARE(shown(4), form->trihemp->pixmap().toImage());
        QCOMPARE(form->YourScore->text(), QString("Score:  49"));

        drag(6, 6);
        drag(6, 5);
        drag(11, 2);
        QCOMPARE(services->prompts(), QStringList({"Can't do that because there's a piece there.",
                                                   "That is an invalid move."}));
        QCOMPARE(services->messages[0].title, QString("Oops"));
        QCOMPARE(services->messages[0].icon, platform::Icon::Critical);
    }

    void aRefusalDuringTheDragEndsIt() {
        QTest::mouseClick(form->peg[1], Qt::LeftButton);
        drag(4, 1); // holes 2 and 4 are empty now; 11 could jump over 7 into 4
        press(2);
        QVERIFY(!form->dragController()->dragging());
        moveOver(11);
        moveOver(4);
        release(4);
        QCOMPARE(services->prompts(), QStringList({"There's no piece there."}));
        QCOMPARE(form->game().Board[11], Piece);
        QCOMPARE(form->game().Board[4], Empty);

        form->game().ClockRunning = false;
        press(3);
        moveOver(5);
        moveOver(6);
        release(6);
        QCOMPARE(services->prompts().size(), 2);
        QCOMPARE(services->prompts().last(), GameIsOverText);
    }

    void aWinnerEntersInitialsThenListsAndResets() {
        lastJumpAhead();
        QStringList focusAfterTyping;
        bool wideLetterWhole = false;
        whenModal([&focusAfterTyping, &wideLetterWhole](QWidget* modal) {
            auto* winner = qobject_cast<frmWinner*>(modal);
            QVERIFY(winner);
            QCOMPARE(winner->windowTitle(), QString("TOP 10!  Enter Initials"));
            // A wide letter shows whole: its dark pixels keep clear of the box's edges.
            QTest::sendKeyEvent(QTest::Click, winner->editWinnerName[0], Qt::Key_unknown,
                                QString::fromUtf8("\u0416"), Qt::NoModifier);
            const QImage box = winner->editWinnerName[0]->grab().toImage();
            QRect ink;
            for (int y = 0; y < box.height(); ++y)
                for (int x = 0; x < box.width(); ++x)
                    if (qGray(box.pixel(x, y)) < 96)
                        ink |= QRect(x, y, 1, 1);
            wideLetterWhole = ink.width() > 8 && ink.left() > 0 && ink.right() < box.width() - 1;
            winner->editWinnerName[0]->clear();
            QTest::keyClick(winner->editWinnerName[0], ',');
            QTest::keyClick(winner->editWinnerName[0], 'a');
            focusAfterTyping << winner->focusWidget()->objectName();
            QTest::keyClick(winner->editWinnerName[1], 'b');
            // Any script: the file is then written in UTF-8.
            QTest::sendKeyEvent(QTest::Click, winner->editWinnerName[2], Qt::Key_unknown,
                                QString::fromUtf8("\u0436"), Qt::NoModifier);
        });
        drag(4, 1);
        QCOMPARE(services->prompts().first(), QString("Game is over.  You have  1 piece "
                                                      "left.\rScore:   350"));
        QCOMPARE(services->messages.first().title, QString("Game Over"));
        QCOMPARE(focusAfterTyping, QStringList({"editWinnerName1"}));
        QVERIFY(wideLetterWhole);
        QVERIFY(!form->winnerWindow()->isVisible());
        Champions expected = defaultChampions();
        expected[0] = {QString::fromUtf8("AB\u0416"), 350};
        QCOMPARE(contentOf("kavrinth.hal"), championsBytes(expected));
        QVERIFY(contentOf("kavrinth.hal").startsWith("AB\xd0\x96\r\n 350 \r\n"));
        QCOMPARE(form->game().Score, qint16(0));
        QCOMPARE(form->YourScore->text(), QString("Score:  350"));

        form->listchamps->trigger();
        QCOMPARE(services->prompts().last(), championsListText(expected));
        QVERIFY(services->prompts().last().startsWith(QString::fromUtf8("AB\u0416\t 350\rAAA")));
        QCOMPARE(services->messages.last().title, QString("Champs"));

        services->messageAnswers = {platform::Answer::No, platform::Answer::Yes,
                                    platform::Answer::Ok, platform::Answer::Yes};
        form->resetem->trigger();
        QVERIFY(QFile::exists("kavrinth.hal"));
        form->resetem->trigger();
        form->resetem->trigger();
        const auto& m = services->messages;
        QCOMPARE(m[m.size() - 3].prompt, QString("Champs were reset"));
        QCOMPARE(m[m.size() - 3].title, QString("Kavrinth"));
        QCOMPARE(m.last().prompt, QString("Champs were previously reset"));
        QCOMPARE(m.last().title, QString("Oops"));
    }

    void aSlowGameEntersNoChampionButLeavesTheDefaultList() {
        lastJumpAhead();
        form->game().ElapsedSeconds = 400; // 14 removals after 400 seconds
        drag(4, 1);
        QCOMPARE(services->prompts(),
                 QStringList({"Game is over.  You have  1 piece left.\rScore:  -50"}));
        QCOMPARE(form->YourScore->text(), QString("Score: -50"));
        QVERIFY(!form->winnerWindow());
        QCOMPARE(contentOf("kavrinth.hal"), QByteArray("AAA\r\n 0 \r\n").repeated(10));
    }

    void anUnreadableChampionsFileIsLeftAlone() {
        QVERIFY(QDir().mkdir("kavrinth.hal"));
        lastJumpAhead();
        drag(4, 1);
        QCOMPARE(services->prompts().last(), ChampsNotAvailable);
        QVERIFY(!form->winnerWindow());
        QVERIFY(QFileInfo("kavrinth.hal").isDir());
        form->listchamps->trigger();
        QCOMPARE(services->prompts().last(), ChampsNotAvailable);
    }

    void thePickerHoldsFortyPicturesInFourRows() {
        picktri picker(form);
        QCOMPARE(picker.windowTitle(), QString("Pick a Piece"));
        QCOMPARE(picker.size(), platform::twipsSize(6030, 3810));
        QCOMPARE(picker.Label1->text(), QString("Click the game piece you wish to use."));
        // Rows of ten at 1200, 1770, 2340, 2910, but for six pictures a little higher.
        const std::map<int, int> tops = {{0, 1200},  {19, 1770}, {20, 2340}, {21, 2325},
                                         {25, 2325}, {26, 2325}, {27, 2325}, {28, 2340},
                                         {29, 2325}, {30, 2910}, {37, 2895}, {39, 2910}};
        for (const auto& [i, top] : tops)
            QCOMPARE(picker.piecepic[i]->geometry(),
                     platform::twipsRect(180 + 570 * (i % 10), top, 525, 525));
    }

    void changePieceKeepsTheClickedPictureAndStartsAgain() {
        QTest::mouseClick(form->peg[1], Qt::LeftButton);
        whenModal([](QWidget* modal) {
            auto* picker = qobject_cast<picktri*>(modal);
            QVERIFY(picker);
            QTest::mouseClick(picker->piecepic[5], Qt::LeftButton);
        });
        form->Changpiece->trigger();
        QCOMPARE(contentOf("kavrinth.ini"), QByteArray("[PIECE]\r\nPIECE= 5\r\n"));
        QCOMPARE(shown(1), piecePicture(5).toImage());
        QCOMPARE(form->YourScore->text(), QString("Score: 0"));

        whenModal([](QWidget* modal) { modal->close(); });
        form->Changpiece->trigger();
        QCOMPARE(contentOf("kavrinth.ini"), QByteArray("[PIECE]\r\nPIECE= 5\r\n"));
        QCOMPARE(shown(1), piecePicture(5).toImage());
        QCOMPARE(form->game().Board[1], Piece);
    }

    void aFolderThatTakesNoFilesGivesAMessageAndTheGameGoesOn() {
        whenModal([](QWidget* modal) {
            QTest::mouseClick(qobject_cast<picktri*>(modal)->piecepic[5], Qt::LeftButton);
        });
        {
            // Files cannot grow beyond a few bytes while the picker saves the choice.
            const FileSizeLimit limit(8);
            QVERIFY(limit.applied());
            form->Changpiece->trigger();
        }
        QCOMPARE(services->prompts().size(), 1);
        QVERIFY(services->prompts().last().startsWith("The chosen piece cannot be kept"));
        QCOMPARE(contentOf("kavrinth.ini"), QByteArray("[PIECE]\r\nPIECE=11\r\n"));
        QCOMPARE(shown(1), piecePicture(11).toImage());
        QTest::mouseClick(form->peg[1], Qt::LeftButton);
        QCOMPARE(form->YourScore->text(), QString("Score: 25"));
    }
};

QTEST_MAIN(KavrinthTest)
#include "kavrinth_test.moc"
