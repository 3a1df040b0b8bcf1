#include "nibbolet/nibbolet.h"
#include "scriptedservices.h"
#include "windowchecks.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace nibbolet;
using platform::Answer;

namespace {

double face(int pips) {
    return (pips - 0.5) / 6;
}

double square(int c) {
    return (c + 0.5) / 60;
}

// Swiss (+3) on 9, alley cat (-3) on 14, the other twelve where no mouse lands below.
const std::deque<double> Specials = {square(9),  square(7),  square(8),  square(10), square(21),
                                     square(22), square(23), square(14), square(24), square(25),
                                     square(27), square(28), square(29), square(30)};

enum class Close { Ok, TitleBar, Escape };

} // namespace

// The Nibbolet window played with real clicks, scripted answers, draws and recorded sounds.
class NibboletTest : public QObject {
    Q_OBJECT

    ScriptedServices* services = nullptr;
    ScriptedRandom* random = nullptr;
    Nibbolet* form = nullptr;
    QTimer* watcher = nullptr;
    QStringList seen; // each message: title, text, and whether it had a picture
    std::deque<Close> closings;

    void start(std::deque<Answer> answers, std::deque<std::optional<QString>> names,
               std::deque<double> specials = Specials) {
        services->messageAnswers = std::move(answers);
        services->inputAnswers = std::move(names);
        random->values = std::move(specials);
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTRY_VERIFY(isCentredOnScreen(form));
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void roll(int pips) {
        click(form->RollDice);
        random->values.push_back(face(pips));
        form->DiceTimer_Timer();
        click(form->RollDice);
    }
    void computerRolls(int pips) {
        QVERIFY(!form->RollDice->isEnabled());
        QCOMPARE(form->focusWidget(), form->PurpleStart);
        form->ComputerRoll_Timer();
        QCOMPARE(form->ComputerRoll->interval(), 100);
        form->ComputerRoll_Timer();
        QCOMPARE(form->ComputerRoll->interval(), 1000);
        QCOMPARE(form->RollDice->text(), "&STOP");
        random->values.push_back(face(pips));
        form->DiceTimer_Timer();
        form->ComputerRoll_Timer();
        QVERIFY(!form->ComputerRoll->isActive());
        QVERIFY(form->RollDice->isEnabled());
        QCOMPARE(form->focusWidget(), form->RollDice);
    }
    // Closes the message window as the test says, once it is up.
    void answerMessage() {
        QPointer<MouseMsg> message = form->openMessage();
        if (!message || !message->isVisible())
            return;
        QVERIFY(!form->isEnabled());
        // It stays above the waiting main window and takes input while that is disabled.
        QVERIFY(message->windowHandle());
        QCOMPARE(message->windowHandle()->transientParent(), form->windowHandle());
        QVERIFY(message->isEnabled());
        seen << message->windowTitle() + "|" + message->Label1->text() +
                    (message->Picture1->picture().isNull() ? "|none" : "");
        const Close how = closings.empty() ? Close::Ok : closings.front();
        if (!closings.empty())
            closings.pop_front();
        if (how == Close::Ok)
            click(message->Command1);
        else if (how == Close::TitleBar)
            message->close();
        else
            QTest::keyClick(message, Qt::Key_Escape);
        QVERIFY(!message || !message->isVisible());
    }
    // The sounds played: c a click, m a hop, others by name.
    QString heard() const {
        QString text;
        for (const QString& wave : services->waves)
            text += wave == "dClk.Wav" ? "c" : wave == "Mouse.Wav" ? "m" : "[" + wave + "]";
        return text;
    }

  private slots:
    void init() {
        services = new ScriptedServices;
        random = new ScriptedRandom;
        form = new Nibbolet(random);
        watcher = new QTimer;
        connect(watcher, &QTimer::timeout, this, &NibboletTest::answerMessage);
        watcher->start(5);
        seen.clear();
    }
    void cleanup() {
        delete watcher;
        delete form;
        delete random;
        delete services;
    }

    void startQuestions_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("label"); // empty: the program ends
        QTest::newRow("cancel") << int(Answer::Cancel) << QStringList() << "";
        QTest::newRow("blank second name") << int(Answer::Yes) << QStringList{"Ann", "  "} << "";
        QTest::newRow("no name") << int(Answer::No) << QStringList{""} << "";
        QTest::newRow("people") << int(Answer::Yes) << QStringList{" Ann", "Bob"} << " Ann's Turn";
        QTest::newRow("markup") << int(Answer::No) << QStringList{"<b>A</b>"} << "<b>A</b>'s Turn";
    }
    void startQuestions() {
        QFETCH(int, answer);
        QFETCH(QStringList, names);
        QFETCH(QString, label);
        start({Answer(answer)}, std::deque<std::optional<QString>>(names.begin(), names.end()));
        QCOMPARE(services->messages.at(0).prompt, "Are you playing a person?");
        QCOMPARE(services->messages.at(0).title, "Person or Computer");
        QCOMPARE(services->messages.at(0).buttons, platform::Buttons::YesNoCancel);
        QCOMPARE(services->inputs.size(), names.size());
        QCOMPARE(services->inputs.value(0, {{}, "Get Players", {}}).title, "Get Players");
        QCOMPARE(services->endRequests, label.isEmpty() ? 1 : 0);
        if (label.isEmpty())
            return;
        QCOMPARE(form->PlayerTurnLabel->text(), label);
        QCOMPARE(form->PlayerTurnLabel->textFormat(), Qt::PlainText);
        QCOMPARE(form->module().Player2Name, answer == int(Answer::No) ? "Computer" : "Bob");
    }

    void aGameAgainstTheComputer() {
        start({Answer::No}, {"Ann"});
        QList<int> hopSquares; // where the purple mouse is seen while its first hops sound
        services->whilePlaying = [&](const QString& name) {
            if (name == "Mouse.Wav" && form->module().Turn == 0 && form->module().Player1Pos < 0)
                for (int i = 0; i < SquareCount; ++i)
                    if (form->PlaySquare[i]->picture().cacheKey() == form->Picture1.cacheKey())
                        hopSquares << i;
        };
        roll(6);
        QCOMPARE(hopSquares, QList<int>({0, 1, 2, 3, 4, 5}));
        QCOMPARE(form->PlayerTurnLabel->text(), "Computer's Turn");
        computerRolls(6);
        QCOMPARE(form->PlaySquare[5]->picture().cacheKey(), form->Picture3.cacheKey());
        QCOMPARE(form->PlayerTurnLabel->text(), "Ann's Turn");
        roll(4); // 9: swiss, on to 12
        QCOMPARE(form->PlaySquare[5]->picture().cacheKey(), form->Picture2.cacheKey());
        computerRolls(6); // 11
        roll(2);          // 14: alley cat, back to 11
        computerRolls(3); // 14: alley cat, back to 11
        roll(3);          // 14 again: nothing
        for (int turn = 0; turn < 8; ++turn) {
            computerRolls(1);
            roll(turn < 7 ? 6 : 4);
        }
        QCOMPARE(form->module().Player1Pos, 60);
        QCOMPARE(form->module().Player2Pos, 19);
        const QString cat = "Bad News|Here you find an alley cat.\nMove back 3.";
        QCOMPARE(seen, QStringList({"Good News|Here you find a piece of swiss.\nMove forward 3.",
                                    cat, cat}));
        const QString six = "cmmmmmm";
        QCOMPARE(heard(), six + six + "cmmmm[Clap.Wav]mmm" + six + "cmm[Cat1.Wav]mmm" +
                              "cmmm[Cat1.Wav]mmm" + "cmmm" + QString("cm" + six).repeated(7) +
                              "cm" + "cmmm");
        QCOMPARE(services->messages.last().prompt, "Ann is the winner!");
        QCOMPARE(services->messages.last().title, "Congratulations");
        QVERIFY(!form->ComputerRoll->isActive());
        click(form->RollDice);
        QCOMPARE(services->messages.last().prompt, "You must start a new game.");
        QCOMPARE(services->messages.last().title, "Game is Over");
        QCOMPARE(form->module().Rolling, 0);
    }

    void newGameWaitsForTheDiceAndDropsAPendingComputerRoll() {
        start({Answer::No}, {"Ann"});
        click(form->RollDice);
        click(form->NewGame);
        QCOMPARE(services->messages.last().prompt, "Rolling Dice");
        QCOMPARE(services->messages.last().title, "Not Now");
        random->values.push_back(face(2));
        form->DiceTimer_Timer();
        click(form->RollDice);
        QVERIFY(form->ComputerRoll->isActive());
        services->messageAnswers = {Answer::No};
        services->inputAnswers = {"Ann"};
        random->values = Specials;
        // The old game's computer turn must not go on behind the splash window.
        qputenv("QUIBLAX_SPLASH_MS", "400");
        click(form->NewGame);
        qputenv("QUIBLAX_SPLASH_MS", "0");
        QVERIFY(!form->ComputerRoll->isActive());
        QCOMPARE(form->module().Rolling, 0);
        QCOMPARE(form->RollDice->text(), "&Roll Dice");
        QVERIFY(form->RollDice->isEnabled());
        QCOMPARE(form->PlayerTurnLabel->text(), "Ann's Turn");
        QCOMPARE(form->module().Player1Pos, -1);
    }

    void stopBeforeTheFirstTickMovesByAFreshFaceAndTheOtherButtons() {
        start({Answer::Yes}, {"Ann", "Bob"});
        click(form->RollDice);
        random->values.push_back(face(5));
        click(form->RollDice);
        QCOMPARE(form->module().Player1Pos, 4);
        QCOMPARE(form->DisplayDice->picture().size(), QSize(36, 36));
        click(form->GetHelp);
        QVERIFY(services->started.value(0).second.contains("nibbolet.hlp"));
        QVERIFY(services->started.value(0).second.contains("maximized"));
        click(form->EndGame);
        QCOMPARE(services->endRequests, 1);
    }

    void messagesClosedAnyWayGoOnAndDamagedPicturesShowNone() {
        QTemporaryDir folder;
        const QString home = QDir::currentPath();
        QDir::setCurrent(folder.path());
        QFile cut("SWISS.BMP");
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write("BM\x40\x00");
        cut.close();
        std::deque<double> specials = Specials;
        specials[3] = square(12); // peanut butter (+3) on 12
        start({Answer::Yes}, {"Ann", "Bob"}, specials);
        closings = {Close::TitleBar, Close::Escape};
        roll(6);
        roll(1);
        roll(4); // 9: swiss, on to 12: peanut butter, on to 15
        QDir::setCurrent(home);
        QCOMPARE(form->module().Player1Pos, 15);
        QCOMPARE(form->module().Player2Pos, 0); // a 1 from the start box
        QVERIFY(form->isEnabled());
        QCOMPARE(seen.size(), 2);
        QVERIFY(seen.at(0).endsWith("|none") && seen.at(1).endsWith("|none"));
        QCOMPARE(form->PlayerTurnLabel->text(), "Bob's Turn");
    }
};

QTEST_MAIN(NibboletTest)
#include "nibbolet_test.moc"
