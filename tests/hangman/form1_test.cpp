#include "filesizelimit.h"
#include "hangman/form1.h"
#include "hangman/form3.h"
#include "hangman/form4.h"
#include "platform/twips.h"
#include "scriptedservices.h"
#include "testfiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace hangman;

namespace {

const QByteArray Cities = "Cities [*]\r\n 3, 0\r\nUSA, New York\r\nPeru, Lima\r\nJapan, Tokyo\r\n";

} // namespace

// The Hangman window played with real keys and clicks, in a folder of its own.
class Form1Test : public QObject {
    Q_OBJECT

    QTemporaryDir* work = nullptr;
    ScriptedServices* services = nullptr;
    Form1* form = nullptr;

    QString set() const { return work->filePath("CAPITALS.HNG"); }
    void start() {
        form = new Form1;
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void type(const char* letters) {
        for (const char* c = letters; *c; ++c)
            QTest::keyClick(form, *c);
    }
    // What the slots show: "_" an empty box, "." a hidden slot.
    QString shownSlots() const {
        QString shown;
        for (int i = 0; i < form->module().AnswerText.size(); ++i) {
            const QLabel* slot = form->answer[i];
            shown += !slot->isVisible() ? "." : slot->text().isEmpty() ? "_" : slot->text();
        }
        return shown;
    }
    int partsShown() const {
        const auto parts = form->parts();
        return int(
            std::count_if(parts.begin(), parts.end(), [](QLabel* p) { return p->isVisible(); }));
    }

  private slots:
    void initTestCase() { QApplication::setApplicationName("Hangman"); }
    void init() {
        work = new QTemporaryDir;
        QVERIFY(QDir(work->path()).mkdir("win"));
        qputenv("windir", work->filePath("win").toLocal8Bit());
        QDir::setCurrent(work->path());
        QVERIFY(write(set(), Cities));
        services = new ScriptedServices;
    }
    void cleanup() {
        delete form;
        form = nullptr;
        delete services;
        QDir::setCurrent(QCoreApplication::applicationDirPath());
        delete work;
    }

    void startsOnTheFirstPuzzleWithTheSetMovedOn() {
        start();
        QCOMPARE(form->windowHandle()->title(), QString("Hangman - Cities [*]"));
        QCOMPARE(form->client()->size(), platform::twipsSize(8580, 4320));
        QCOMPARE(form->alpha[13]->geometry(), platform::twipsRect(4665, 1830, 285, 285));
        QCOMPARE(form->answer[30]->geometry(), platform::twipsRect(8085, 3615, 240, 285));
        const QSize pictures[] = {{50, 68}, {21, 46}, {20, 40}, {19, 42}, {22, 34}, {23, 32}};
        for (int i = 0; i < FigureParts; ++i)
            QCOMPARE(form->parts()[i]->pixmap().size(), pictures[i]);
        QCOMPARE(form->title->text(), QString("Clue:  USA"));
        QCOMPARE(shownSlots(), QString("___.____"));
        QCOMPARE(form->WinDir(), (work->filePath("win") + "\\").toUpper());
        QCOMPARE(contentOf(set()), QByteArray(Cities).replace(" 3, 0", " 3,  1"));
        QCOMPARE(contentOf(work->filePath("win/HangQZ.Ini")),
                 QByteArray("PuzzleName=CAPITALS.HNG\r\nHeadMoves=False\r\n"));
        QVERIFY(services->messages.isEmpty());
    }

    void typedLettersPlayToAWin() {
        start();
        type("n1[Oqo");
        QTest::keyClick(form, 'e', Qt::AltModifier);
        QCOMPARE(shownSlots(), QString("N__._O__"));
        QCOMPARE(form->alpha[13]->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(form->Head->isVisible() && partsShown() == 1);
        QCOMPARE(services->prompts(), QStringList({"You already used that letter!"}));
        type("EWYRK");
        QCOMPARE(shownSlots(), QString("NEW.YORK"));
        Form4* result = form->result();
        QVERIFY(result->isVisible() && !form->isEnabled());
        QCOMPARE(result->Label1->text(), QString("Congratulations"));
        QCOMPARE(result->Label2->text(), QString("You are a winner!"));
        QVERIFY(result->HappyFace->isVisible() && !result->SadFace->isVisible());
        QCOMPARE(result->windowHandle()->transientParent(), form->windowHandle());
        // A click on the waiting main window hands the focus on: the result's OK takes Enter.
        form->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), result);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!result->isVisible() && form->isEnabled());
        type("z");
        QCOMPARE(services->prompts().last(),
                 QString("The game is over.  Click 'New Game' to play again."));
        QCOMPARE(services->messages.last().icon, platform::Icon::Critical);
        QCOMPARE(form->module().Misses, 1);
    }

    void sixMissesLoseAndAnyCloseOfTheResultEnablesTheGame() {
        start();
        QTest::mousePress(form->alpha[0], Qt::LeftButton); // let go off the letter
        QTest::mouseRelease(form->alpha[0], Qt::LeftButton, {}, QPoint(-2, 5));
        QTest::mouseClick(form->alpha[1], Qt::MiddleButton);
        QTest::mouseClick(form->alpha[1], Qt::RightButton);
        QCOMPARE(form->module().LetterUsed[0] + form->module().LetterUsed[1], 0);
        const char* wrong = "abcdfg";
        for (int i = 0; i < FigureParts; ++i) {
            QTest::mouseClick(form->alpha[wrong[i] - 'a'], Qt::LeftButton);
            QVERIFY(form->parts()[i]->isVisible() && partsShown() == i + 1);
        }
        Form4* result = form->result();
        QVERIFY(result->isVisible() && !form->isEnabled());
        QCOMPARE(result->Label1->text(), QString("So Sorry"));
        QCOMPARE(result->Label2->text(), QString("You Lose.  The Correct Answer is NEW YORK"));
        QVERIFY(result->SadFace->isVisible());
        QCOMPARE(shownSlots(), QString("___.____"));
        const QImage disabled = form->grab().toImage();
        result->close(); // as the title bar or Alt+F4 would
        QVERIFY(!result->isVisible() && form->isEnabled());
        QCOMPARE(disabled, form->grab().toImage()); // nothing greyed while the result showed
    }

    void aMissingSetGoesToOptionsAndThePickedSetIsRemembered() {
        // The picked file is played, not one whose name differs only in case or reads "\\"
        // as a folder, in this run and after a restart.
        const QString picked = work->filePath("bs\\Other.hng");
        QFile::rename(set(), picked);
        const QByteArray other = "Other\r\n 1, 0\r\nA, B\r\n";
        const QStringList others = {work->filePath("BS\\OTHER.HNG"),
                                    work->filePath("bs/Other.hng")};
        QVERIFY(QDir(work->path()).mkdir("bs"));
        for (const QString& path : others)
            QVERIFY(write(path, other));
        services->fileAnswers = {picked};
        start();
        QCOMPARE(services->prompts(), QStringList({"No puzzles found!  Going to Options"}));
        QCOMPARE(services->fileDialogs[0].title, QString("Select Hangman File"));
        QVERIFY(services->fileDialogs[0].mustExist && !services->fileDialogs[0].save);
        QCOMPARE(form->PuzzleName(), picked);
        QCOMPARE(contentOf(work->filePath("win/HangQZ.Ini")),
                 "PUZZLENAME=" + picked.toLatin1() + "\r\nHEADMOVES=FALSE\r\n");
        // Options played the first puzzle, then the interrupted step the second.
        QCOMPARE(form->title->text(), QString("Clue:  Peru"));
        QVERIFY(contentOf(picked).contains(" 3,  2"));
        delete form;
        start();
        QCOMPARE(form->title->text(), QString("Clue:  Japan"));
        for (const QString& path : others)
            QCOMPARE(contentOf(path), other);
    }

    void aBadSetIsLeftAsItWasAndTheGameGoesToOptions() {
        const QByteArray bad = QByteArray(Cities).replace("Peru,", "Peru");
        QVERIFY(write(set(), bad));
        start();
        QCOMPARE(
            services->prompts()[0],
            QString(
                "Error In Puzzle File.\nCAPITALS.HNG\nIt should hold 3 puzzles but holds only 2."));
        QCOMPARE(services->fileDialogs.size(), 1);
        QCOMPARE(services->messages.size(), 2);
        QCOMPARE(services->endRequests, 1);
        QCOMPARE(contentOf(set()), bad);
    }

    void aCancelAfterADamagedSetInOptionsKeepsTheGameAndTheSettings() {
        start();
        const QByteArray settings = contentOf(work->filePath("win/HangQZ.Ini"));
        QVERIFY(write(work->filePath("bad.hng"), "Bad\r\n 2, 0\r\nA, B\r\n"));
        services->fileAnswers = {work->filePath("bad.hng")}; // then a cancel
        form->Options->trigger();
        QCOMPARE(services->fileDialogs.size(), 2);
        QVERIFY(services->prompts().join("").startsWith("Error In Puzzle File.\n"));
        QCOMPARE(services->endRequests, 0);
        QCOMPARE(contentOf(work->filePath("win/HangQZ.Ini")), settings);
        QCOMPARE(form->title->text() + form->PuzzleName(), QString("Clue:  USACAPITALS.HNG"));
    }

    void aFailedRewriteSaysSoKeepsTheSetAndPlaysAnyway() {
        start();
        const QByteArray before = contentOf(set());
        {
            const FileSizeLimit limit(40);
            form->NewGame1->trigger();
        }
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(services->prompts()[0].startsWith("The puzzle set cannot be rewritten"));
        QCOMPARE(contentOf(set()), before);
        QCOMPARE(QDir(work->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"CAPITALS.HNG"}));
        QCOMPARE(form->title->text(), QString("Clue:  Peru"));
    }

    void anUnusableWindowsDirectoryGivesOneMessageAndTheDefaults() {
        QVERIFY(write(work->filePath("plain"), "x"));
        qputenv("windir", work->filePath("plain/win").toLocal8Bit());
        start();
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(services->prompts()[0].startsWith("The settings file "));
        QCOMPARE(form->title->text(), QString("Clue:  USA"));
    }

    void closingTheWindowEndsTheProgramWhileHiddenWindowsAreLoaded() {
        QFile::copy(QCoreApplication::applicationDirPath() + "/hangman.hlp", "hangman.hlp");
        start();
        form->HelpMe->trigger();
        QVERIFY(services->started.size() == 1 &&
                services->started[0].second.contains("hangman.hlp"));
        QTimer::singleShot(0, form, [this] { form->about().loaded()->Command1->click(); });
        form->AboutBox->trigger();
        QTimer::singleShot(0, form, [this] { form->editor()->Command7->click(); });
        form->EdPuzzles->trigger();
        QVERIFY(form->about().loaded() && !form->editor()->isVisible());
        QCOMPARE(services->endRequests, 0);
        form->close();
        QCOMPARE(services->endRequests, 1);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
