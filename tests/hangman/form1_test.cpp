#include "hangman/form1.h"
#include "hangman/form3.h"
#include "hangman/form4.h"
#include "platform/twips.h"
#include "scriptedservices.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>

using namespace hangman;

namespace {

const QByteArray ThreeCities = "Cities\r\n 3, 0\r\nUSA, New York\r\nPeru, Lima\r\nJapan, Tokyo\r\n";

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void write(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

unsigned bgrOf(QWidget* w) {
    const QColor c = w->palette().color(QPalette::Window);
    return unsigned(c.red()) | unsigned(c.green()) << 8 | unsigned(c.blue()) << 16;
}

} // namespace

// The Hangman window played with real key presses, in a folder of its own.
class Form1Test : public QObject {
    Q_OBJECT

    QTemporaryDir* work = nullptr;
    ScriptedServices* services = nullptr;
    Form1* form = nullptr;

    QString set() const { return work->filePath("CAPITALS.HNG"); }
    QString settings() const { return work->filePath("win/HangQZ.Ini"); }
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
    QString shownSlots() const {
        QString shown;
        for (QLabel* slot : form->answer)
            shown += slot->isVisible() ? (slot->text().isEmpty() ? "_" : slot->text()) : ".";
        return shown.left(form->module().AnswerText.size());
    }
    int partsShown() const {
        int shown = 0;
        for (QLabel* part : form->parts())
            shown += part->isVisible();
        return shown;
    }

  private slots:
    void initTestCase() { QApplication::setApplicationName("Hangman"); }
    void init() {
        work = new QTemporaryDir;
        QVERIFY(QDir(work->path()).mkdir("win"));
        qputenv("windir", work->filePath("win").toLocal8Bit());
        QDir::setCurrent(work->path());
        write(set(), ThreeCities);
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
        QCOMPARE(form->windowTitle(), QString("Hangman - Cities"));
        QCOMPARE(form->client()->size(), platform::twipsSize(8580, 4320));
        QCOMPARE(form->alpha[13]->geometry(), platform::twipsRect(4665, 1830, 285, 285));
        QCOMPARE(form->alpha[25]->geometry(), platform::twipsRect(5505, 2220, 285, 285));
        QCOMPARE(form->answer[30]->geometry(), platform::twipsRect(8085, 3615, 240, 285));
        QCOMPARE(form->rfoot->geometry(), platform::twipsRect(1125, 1980, 390, 495));
        const QSize pictures[] = {{50, 68}, {21, 46}, {20, 40}, {19, 42}, {22, 34}, {23, 32}};
        for (int i = 0; i < FigureParts; ++i)
            QCOMPARE(form->parts()[i]->pixmap().size(), pictures[i]);
        QCOMPARE(form->Hanger->pixmap().size(), QSize(124, 211));
        QCOMPARE(form->NewGame1->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(form->HelpMe->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(form->Timer1->interval(), 100);
        QVERIFY(form->Timer1->isActive());
        QCOMPARE(form->title->text(), QString("Clue:  USA"));
        QCOMPARE(shownSlots(), QString("___.____"));
        QCOMPARE(partsShown(), 0);
        QCOMPARE(form->WinDir(), (work->filePath("win") + "\\").toUpper());
        QCOMPARE(contentOf(set()), QByteArray(ThreeCities).replace(" 3, 0", " 3,  1"));
        QCOMPARE(contentOf(settings()),
                 QByteArray("PuzzleName=CAPITALS.HNG\r\nHeadMoves=False\r\n"));
        QVERIFY(!form->module().HeadMoves);
        QVERIFY(services->messages.isEmpty());
    }

    void typedLettersPlayToAWin() {
        start();
        type("n1[");
        QCOMPARE(shownSlots(), QString("N__.____"));
        QCOMPARE(bgrOf(form->alpha[13]), 0xC0C0C0u);
        QCOMPARE(bgrOf(form->alpha[14]), 0xFFFFFFu);
        type("Oq");
        QCOMPARE(shownSlots(), QString("N__._O__"));
        QVERIFY(form->Head->isVisible() && partsShown() == 1);
        type("o");
        QCOMPARE(services->prompts(), QStringList({"You already used that letter!"}));
        QCOMPARE(form->module().Misses, 1);
        type("EWYRK");
        QCOMPARE(shownSlots(), QString("NEW.YORK"));
        Form4* result = form->result();
        QVERIFY(result->isVisible());
        QVERIFY(!form->isEnabled());
        QCOMPARE(result->Label1->text(), QString("Congratulations"));
        QCOMPARE(result->Label2->text(), QString("You are a winner!"));
        QVERIFY(result->HappyFace->isVisible() && !result->SadFace->isVisible());
        QTest::keyClick(result, Qt::Key_Return);
        QVERIFY(!result->isVisible() && form->isEnabled());
        type("z");
        QCOMPARE(services->prompts().last(),
                 QString("The game is over.  Click 'New Game' to play again."));
        QCOMPARE(services->messages.last().title, QString("Oops"));
        QCOMPARE(services->messages.last().icon, platform::Icon::Critical);
        QCOMPARE(form->module().Misses, 1);
    }

    void sixMissesLoseAndAnyCloseOfTheResultEnablesTheGame() {
        start();
        const char* wrong = "abcdfg";
        for (int i = 0; i < FigureParts; ++i) {
            QTest::mouseClick(form->alpha[wrong[i] - 'a'], Qt::LeftButton);
            QVERIFY(form->parts()[i]->isVisible());
            QCOMPARE(partsShown(), i + 1);
        }
        Form4* result = form->result();
        QVERIFY(result->isVisible() && !form->isEnabled());
        QCOMPARE(result->Label1->text(), QString("So Sorry"));
        QCOMPARE(result->Label2->text(), QString("You Lose.  The Correct Answer is NEW YORK"));
        QVERIFY(result->SadFace->isVisible());
        QCOMPARE(shownSlots(), QString("___.____"));
        result->close();
        QVERIFY(!result->isVisible() && form->isEnabled());
        QVERIFY(!result->SadFace->isVisible());
    }

    void eachNewGameMovesTheSetOnAndWraps() {
        start();
        const char* clues[] = {"Clue:  Peru", "Clue:  Japan", "Clue:  USA"};
        const char* lines[] = {" 3,  2", " 3,  3", " 3,  1"};
        for (int i = 0; i < 3; ++i) {
            form->NewGame1->trigger();
            QCOMPARE(form->title->text(), QString(clues[i]));
            QVERIFY(contentOf(set()).contains(lines[i]));
        }
        QCOMPARE(shownSlots(), QString("___.____"));
        QCOMPARE(partsShown(), 0);
    }

    void aMissingSetGoesToOptionsAndThePickedSetIsRemembered() {
        QFile::rename(set(), work->filePath("Other.hng"));
        services->fileAnswers = {work->filePath("Other.hng")};
        start();
        QCOMPARE(services->prompts(), QStringList({"No puzzles found!  Going to Options"}));
        QCOMPARE(services->fileDialogs.size(), 1);
        QCOMPARE(services->fileDialogs[0].title, QString("Select Hangman File"));
        QVERIFY(services->fileDialogs[0].mustExist && !services->fileDialogs[0].save);
        QCOMPARE(services->fileDialogs[0].nameFilters,
                 QStringList({"HangMan Files (*.hng)", "All Files (*)"}));
        const QString upper = work->filePath("Other.hng").toUpper();
        QCOMPARE(form->PuzzleName(), upper);
        QCOMPARE(contentOf(settings()),
                 "PUZZLENAME=" + upper.toLatin1() + "\r\nHEADMOVES=FALSE\r\n");
        // The Options command played the first puzzle, then the interrupted step the second.
        QCOMPARE(form->title->text(), QString("Clue:  Peru"));
        QVERIFY(contentOf(work->filePath("Other.hng")).contains(" 3,  2"));
    }

    void aBadSetIsLeftAsItWasAndTheGameGoesToOptions() {
        const QByteArray bad = "Cities\r\n 3, 0\r\nUSA, New York\r\nPeru Lima\r\nJapan, Tokyo\r\n";
        write(set(), bad);
        start();
        QCOMPARE(services->messages.size(), 2);
        QCOMPARE(
            services->prompts()[0],
            QString("Error In Puzzle File.\nLine 4 should hold a clue, a comma and an answer."));
        QCOMPARE(services->fileDialogs.size(), 1);
        QCOMPARE(services->endRequests, 1);
        QCOMPARE(contentOf(set()), bad);
    }

    void aFailedRewriteSaysSoKeepsTheSetAndPlaysAnyway() {
        start();
        const QByteArray before = contentOf(set());
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 40;
        setrlimit(RLIMIT_FSIZE, &small);
        form->NewGame1->trigger();
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(services->prompts()[0].startsWith("The puzzle set cannot be rewritten"));
        QCOMPARE(services->messages[0].title, QString("Oops"));
        QCOMPARE(contentOf(set()), before);
        QCOMPARE(QDir(work->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"CAPITALS.HNG"}));
        QCOMPARE(form->title->text(), QString("Clue:  Peru"));
        QCOMPARE(shownSlots(), QString("____"));
    }

    void anUnusableWindowsDirectoryGivesOneMessageAndTheDefaults() {
        write(work->filePath("plain"), "x");
        qputenv("windir", work->filePath("plain/win").toLocal8Bit());
        start();
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(services->prompts()[0].startsWith("The settings file "));
        QCOMPARE(form->PuzzleName(), QString("CAPITALS.HNG"));
        QCOMPARE(form->title->text(), QString("Clue:  USA"));
    }

    void theMovingHeadIsReadInAnyCase() {
        write(settings(), "PuzzleName=capitals.hng\r\nHeadMoves=True\r\n");
        start();
        QVERIFY(form->module().HeadMoves);
        QCOMPARE(form->title->text(), QString("Clue:  USA"));
    }

    void closingTheWindowEndsTheProgramWhileHiddenWindowsAreLoaded() {
        QFile::copy(QCoreApplication::applicationDirPath() + "/hangman.hlp", "hangman.hlp");
        start();
        form->HelpMe->trigger();
        QCOMPARE(services->started.size(), 1);
        QVERIFY(services->started[0].second.contains("hangman.hlp"));
        QTimer::singleShot(0, form, [this] { form->about().loaded()->Command1->click(); });
        form->AboutBox->trigger();
        QVERIFY(form->about().loaded() && !form->about().loaded()->isVisible());
        QTimer::singleShot(0, form, [this] { form->editor()->Command7->click(); });
        form->EdPuzzles->trigger();
        QVERIFY(!form->editor()->isVisible());
        QCOMPARE(services->endRequests, 0);
        form->close();
        QCOMPARE(services->endRequests, 1);
        form->CloseIt->trigger();
        QCOMPARE(services->endRequests, 2);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
