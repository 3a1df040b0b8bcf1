#include "pelmora/form1.h"
#include "pelmora/form2.h"
#include "pelmora/form4.h"
#include "platform/twips.h"
#include "scriptedservices.h"
#include "shared/aboutbox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace pelmora;

namespace {

// Two questions per category; the right answers are 2 and then 1.
QByteArray categoryFile(const QString& name) {
    return (name + "\r\nQUESTION\r\n" + name +
            " one?\r\n2\r\nwrong\r\nright one\r\nno\r\nnope\r\n" + "QUESTION\r\n" + name +
            " two?\r\n1\r\nright two\r\nx\r\ny\r\nz\r\nEOF\r\n")
        .toLatin1();
}

void put(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Clicks an answer on its round mark.
void clickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// Runs an action on the modal dialog of type T once it shows.
template <typename T> void whenShown(std::function<void(T*)> action) {
    QTimer::singleShot(0, [action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            action(dialog);
        } else
            whenShown<T>(action);
    });
}

} // namespace

// The Pelmora window played with real clicks in a folder of crafted data files.
class Form1Test : public QObject {
    Q_OBJECT

    ScriptedServices* services = nullptr;
    Form1* form = nullptr;
    QTemporaryDir* dir = nullptr;
    QString windows;

    QString path(const QString& name) const { return dir->filePath(name); }
    QString settings() const { return QString::fromLatin1(contentOf(windows + "/pelmora.ini")); }

    void start() {
        form = new Form1;
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    // Clicks a tile and answers its question with option (1..4, 0 for none).
    QString clickAndAnswer(int tile, int option) {
        QString asked;
        whenShown<Form2>([&asked, option](Form2* question) {
            asked = question->Text1->toPlainText();
            if (option > 0)
                clickOption(question->Option1[option - 1]);
            QTest::mouseClick(question->Command1, Qt::LeftButton);
        });
        QTest::mouseClick(form->Command2[tile], Qt::LeftButton);
        return asked;
    }
    void guess(const QString& text) {
        form->Text1->clear();
        QTest::keyClicks(form->Text1, text);
        QTest::keyClick(form->Text1, Qt::Key_Return);
    }
    QStringList visibleTiles() const {
        QStringList tiles;
        for (int i = 0; i < TileCount; ++i)
            if (!form->Command2[i]->isHidden())
                tiles << QString::number(i);
        return tiles;
    }

  private slots:
    void initTestCase() { QApplication::setApplicationName("Pelmora"); }
    void init() {
        dir = new QTemporaryDir;
        QDir::setCurrent(dir->path());
        windows = path("windows");
        QDir().mkdir(windows);
        qputenv("windir", windows.toLocal8Bit());
        put(path("Animals.trv"), categoryFile("Animals"));
        put(path("Space.trv"), categoryFile("Space"));
        put(path("History.trh"), categoryFile("History"));
        put(path("a.puz"), "Snow Man!\r\na.bmp\r\nCycle=1\r\n");
        put(path("b.puz"), "Rocket\r\nB.BMP\r\nCycle=1\r\n");
        QImage picture(359, 353, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(path("a.bmp"), "BMP") && picture.save(path("b.bmp"), "BMP"));
        services = new ScriptedServices;
    }
    void cleanup() {
        delete form;
        form = nullptr;
        delete services;
        delete dir;
    }

    void startsAtLevelOneWithThePuzzleStamped() {
        start();
        QCOMPARE(form->windowTitle(), QString("QS Pelmora"));
        QCOMPARE(form->client()->size(), platform::twipsSize(5640, 6825));
        QCOMPARE(form->Picture1->geometry(), platform::twipsRect(90, 105, 5385, 5300));
        QCOMPARE(form->Command2[4]->geometry(), platform::twipsRect(1890, 1860, 1800, 1770));
        QCOMPARE(form->Text1->geometry(), platform::twipsRect(405, 5700, 3630, 375));
        QCOMPARE(form->Command1->geometry(), platform::twipsRect(4125, 5700, 900, 405));
        QVERIFY(form->Level1->isChecked() && !form->Level2->isChecked() &&
                !form->Level3->isChecked());
        QCOMPARE(form->NewGame->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(form->contents->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(visibleTiles().join(' '), QString("0 1 2 3 4 5 6 7 8"));
        QCOMPARE(form->Command2[0]->text(), QString("Animals"));
        QCOMPARE(form->Command2[1]->text(), QString("Space"));
        QCOMPARE(form->tag(2), QString(" 1"));
        QCOMPARE(form->tag(3), QString(" 2"));
        QCOMPARE(form->Picture1->pixmap().size(), QSize(359, 353));
        QCOMPARE(contentOf(path("a.puz")), QByteArray("Snow Man!\r\na.bmp\r\nCycle=2\r\n"));
        QCOMPARE(contentOf(path("b.puz")), QByteArray("Rocket\r\nB.BMP\r\nCycle=1\r\n"));
        QVERIFY(services->messages.isEmpty());

        // The next game plays b, whose picture is found whatever the case of its name.
        QTest::keyClick(form, Qt::Key_F2);
        QCOMPARE(form->module().Solution, QString("Rocket"));
        QCOMPARE(form->Picture1->pixmap().size(), QSize(359, 353));
        QVERIFY(settings().contains("Puzzles=2"));
        QVERIFY(services->messages.isEmpty());
    }

    void aRightAnswerHidesTheTileAWrongOneShowsTheAnswer() {
        start();
        QString placeWhileAsked;
        QString optionsAtFirst;
        QWidget* focusAtFirst = nullptr;
        whenShown<Form2>([&](Form2* question) {
            placeWhileAsked = settings();
            if (question->windowTitle() != "Question" ||
                question->size() != platform::twipsSize(7770, 4410))
                optionsAtFirst = "wrong dialog ";
            for (QRadioButton* option : question->Option1)
                optionsAtFirst += option->isHidden() ? "-" : option->isChecked() ? "x" : "o";
            focusAtFirst = question->focusWidget();
            QTest::keyClick(question, Qt::Key_Escape); // does nothing
            clickOption(question->Option1[1]);
            QTest::mouseClick(question->Command1, Qt::LeftButton);
        });
        QTest::mouseClick(form->Command2[0], Qt::LeftButton);
        QVERIFY(placeWhileAsked.contains("Animals.trv=1"));
        QCOMPARE(optionsAtFirst, QString("oooo"));
        QCOMPARE(focusAtFirst ? focusAtFirst->objectName() : QString(), QString("Command1"));
        QVERIFY(form->Command2[0]->isHidden());
        QVERIFY(services->messages.isEmpty());
        QCOMPARE(form->focusWidget(), form->Text1);

        QCOMPARE(clickAndAnswer(2, 3), QString("Animals two?"));
        QVERIFY(!form->Command2[2]->isHidden());
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->messages[0].title, QString("Oops"));
        QCOMPARE(services->messages[0].prompt,
                 QString("Sorry, that is incorrect. \r\n\r\nQuestion:  Animals two?\r\n\r\n"
                         "Answer:  right two."));
        QVERIFY(settings().contains("Animals.trv=0"));
        // No choice at all counts as wrong; the category starts again at its first question.
        QCOMPARE(clickAndAnswer(4, 0), QString("Animals one?"));
        QCOMPARE(services->messages.size(), 2);
        QCOMPARE(form->module().GameState, 0);
    }

    void theLastTileGivesOneLastGuess() {
        start();
        for (int i = 0; i < 8; ++i)
            form->Command2[i]->hide();
        clickAndAnswer(8, 2);
        QCOMPARE(services->prompts(),
                 QStringList({"Since all of the tiles are removed, this is your last chance to "
                              "solve the puzzle.  Enter your guess in the text box below and "
                              "click 'Guess'."}));
        QCOMPARE(services->messages[0].title, QString("Good luck"));
        QCOMPARE(form->focusWidget(), form->Text1);
        guess("snow");
        QCOMPARE(services->messages.last().prompt, QString("The correct answer is SNOW MAN!"));
        QCOMPARE(services->messages.last().title, QString("You lose"));
        guess("snowman");
        QCOMPARE(services->messages.last().prompt,
                 QString("You already lost... try another puzzle"));
        QCOMPARE(form->Text1->text(), QString("snowman"));

        form->NewGame->trigger();
        QCOMPARE(form->Text1->text(), QString(""));
        QCOMPARE(form->module().Solution, QString("Rocket"));
        guess("rocker");
        QCOMPARE(services->messages.last().prompt, QString("Incorrect.  Try again."));
        QCOMPARE(services->messages.last().title, QString("Nope!"));
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        guess(" r-o-c-k-e-t ");
        QCOMPARE(services->messages.last().title, QString("Winner"));
        guess("anything");
        QCOMPARE(services->messages.last().prompt,
                 QString("You already won... try another puzzle."));
    }

    void levelsCarryOneCheckMark() {
        start();
        form->Level3->trigger();
        QVERIFY(!form->Level1->isChecked() && !form->Level2->isChecked() &&
                form->Level3->isChecked());
        QCOMPARE(visibleTiles().size(), 36);
        QCOMPARE(visibleTiles().first(), QString("27"));
        QCOMPARE(form->Command2[28]->geometry(), platform::twipsRect(90, 990, 900, 885));
        QCOMPARE(form->Command2[28]->text(), QString("Space"));
        QCOMPARE(form->Command2[29]->text(), QString("Animals"));
        form->Level2->trigger();
        QVERIFY(form->Level2->isChecked() && !form->Level3->isChecked());
        QCOMPARE(visibleTiles().join(' ').split(' ').first(), QString("9"));
        QCOMPARE(visibleTiles().size(), 18);
        QTest::keyClicks(form->Text1, "guess");
        form->Level2->trigger(); // the level already checked still starts a new game
        QCOMPARE(form->Text1->text(), QString(""));
    }

    void missingDataFilesEndTheProgram() {
        QFile::remove(path("a.puz"));
        QFile::remove(path("b.puz"));
        start();
        QCOMPARE(services->messages.size(), 2);
        QCOMPARE(services->messages[0].title, QString("Error"));
        QVERIFY(services->messages[0].prompt.startsWith(
            "There are no puz files in the current directory (" + QDir::currentPath() +
            ").  The "
            "program and all of it's data files should be in this directory."));
        QCOMPARE(services->messages[1].prompt, QString("This game can no longer continue."));
        QCOMPARE(services->messages[1].title, QString("Shutting Down"));
        QCOMPARE(services->endRequests, 1);
        QFile::remove(path("Animals.trv"));
        QFile::remove(path("Space.trv"));
        form->NewGame->trigger();
        QVERIFY(services->messages[2].prompt.startsWith("There are no trv files"));
        QCOMPARE(services->endRequests, 2);
    }

    void badFilesGetAMessageAndTheGameGoesOn() {
        put(path("Empty.trv"), "");
        put(path("a.puz"), "Cycle=1\r\n");
        start();
        QCOMPARE(form->Command2[1]->text(), QString("Empty"));
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(services->messages[0].prompt.contains("a.puz"));
        QCOMPARE(contentOf(path("a.puz")), QByteArray("Cycle=1\r\n"));
        QTest::mouseClick(form->Command2[1], Qt::LeftButton);
        QCOMPARE(services->messages.last().prompt,
                 QString("The category file Empty.trv has no questions."));

        // A category file removed since the new game leaves its place alone.
        QFile::remove(path("Animals.trv"));
        QTest::mouseClick(form->Command2[0], Qt::LeftButton);
        QVERIFY(services->messages.last().prompt.startsWith("The category file Animals.trv"));
        QCOMPARE(form->module().PlaceHolder[1], 0);
        QVERIFY(!settings().contains("Animals.trv"));

        // A picture that cannot be read: an empty picture and a message naming it.
        put(path("b.bmp"), "not a picture");
        QFile::remove(path("a.puz"));
        form->NewGame->trigger();
        QVERIFY(form->Picture1->pixmap().isNull());
        QVERIFY(services->messages.last().prompt.contains("B.BMP"));
        QCOMPARE(contentOf(path("b.puz")), QByteArray("Rocket\r\nB.BMP\r\nCycle=3\r\n"));
    }

    void anUnwritableSettingsFileIsReportedAndPlayGoesOn() {
        QDir(windows).removeRecursively(); // the folder is never created
        start();
        QCOMPARE(clickAndAnswer(0, 2), QString("Animals one?"));
        QCOMPARE(services->prompts(), QStringList({"Error writing to pelmora.ini"}));
        QVERIFY(form->Command2[0]->isHidden());
        QVERIFY(!QDir(windows).exists());

        // Without windir the suite's own folder holds the file, never the working directory.
        qunsetenv("windir");
        qputenv("XDG_CONFIG_HOME", path("config").toLocal8Bit());
        delete form;
        start();
        clickAndAnswer(0, 1);
        QVERIFY(contentOf(path("config/quiblax/pelmora.ini")).contains("Animals.trv=1"));
        QCOMPARE(QDir(dir->path()).entryList({"*.ini", "*pelmora*"}), QStringList());
        qunsetenv("XDG_CONFIG_HOME");
    }

    void theCategoriesDialogSwitchesFiles() {
        start();
        whenShown<Form4>([](Form4* categories) {
            QCOMPARE(categories->windowTitle(), QString("Categories"));
            QCOMPARE(categories->List1->count(), 1);
            QCOMPARE(categories->List1->item(0)->text(), QString("History"));
            QCOMPARE(categories->List2->count(), 2);
            QListWidget* active = categories->List2;
            QTest::mouseClick(active->viewport(), Qt::LeftButton, {},
                              active->visualItemRect(active->item(0)).center());
            QTest::mouseClick(categories->Command2, Qt::LeftButton);
            QTest::mouseClick(categories->Command3, Qt::LeftButton);
        });
        form->Options->trigger();
        QVERIFY(QFile::exists(path("Animals.trh")) && !QFile::exists(path("Animals.trv")));
        QCOMPARE(form->Command2[0]->text(), QString("Space")); // a new game followed
        QCOMPARE(form->module().Solution, QString("Rocket"));

        // Cancel (Esc) changes nothing and starts no game.
        whenShown<Form4>([](Form4* categories) {
            categories->List1->setCurrentRow(0);
            QTest::mouseClick(categories->Command1, Qt::LeftButton);
            QTest::keyClick(categories, Qt::Key_Escape);
        });
        form->Options->trigger();
        QVERIFY(QFile::exists(path("Animals.trh")));
        QCOMPARE(form->module().Solution, QString("Rocket"));

        // A switch whose new name is taken keeps both files and says so.
        put(path("Space.trh"), "kept");
        whenShown<Form4>([](Form4* categories) {
            categories->List2->setCurrentRow(0);
            QTest::mouseClick(categories->Command2, Qt::LeftButton);
            QTest::mouseClick(categories->Command3, Qt::LeftButton);
        });
        form->Options->trigger();
        QVERIFY(services->messages.last().prompt.contains("Space.trv"));
        QVERIFY(services->messages.last().prompt.contains("Space.trh"));
        QCOMPARE(contentOf(path("Space.trh")), QByteArray("kept"));
        QCOMPARE(contentOf(path("Space.trv")), categoryFile("Space"));
    }

    void editorHelpAboutAndExit() {
        put(path("Pelmora.hlp"), "# Pelmora\r\n");
        start();
        form->CreatePuzzle->trigger();
        QCOMPARE(services->messages.size(), 1);
        form->contents->trigger();
        QCOMPARE(services->started.size(), 1);
        QCOMPARE(services->started[0].second.first(), QString("Pelmora.hlp"));
        QVERIFY(services->started[0].second.contains("maximized"));
        QString caption;
        whenShown<shared::AboutBox>([&caption](shared::AboutBox* box) {
            caption = box->windowTitle() + " / " + box->titleLabel->text();
            QTest::mouseClick(box->Command1, Qt::LeftButton);
        });
        form->About->trigger();
        QCOMPARE(caption, QString("About Pelmora / Pelmora"));
        form->Closeit->trigger();
        QCOMPARE(services->endRequests, 1);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
