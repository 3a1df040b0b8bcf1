#include "filesizelimit.h"
#include "pelmora/form1.h"
#include "pelmora/form2.h"
#include "pelmora/form4.h"
#include "platform/twips.h"
#include "scriptedservices.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionButton>
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
        .toUtf8();
}

void put(const QString& path, const QByteArray& content) {
    QVERIFY(write(path, content));
}

// Runs an action on the modal dialog of type T once it is up.
template <typename T> void whenShown(std::function<void(T*)> action) {
    QTimer::singleShot(0, [action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            action(dialog);
        } else {
            whenShown<T>(action);
        }
    });
}

// Whether a control lies where the layout puts it, in twips.
bool at(const QWidget* control, int left, int top, int width, int height) {
    return control->geometry() == platform::twipsRect(left, top, width, height);
}

// Clicks an answer on its round mark.
void clickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// How light the middle of an option's round mark is, 0 to 255.
int markMiddle(QRadioButton* option) {
    QStyleOptionButton look;
    look.initFrom(option);
    const QRect mark =
        option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &look, option);
    return qGray(option->grab().toImage().pixel(mark.center()));
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
    // The last message box as "title: prompt".
    QString said() const {
        return services->messages.isEmpty()
                   ? QString()
                   : services->messages.last().title + ": " + services->messages.last().prompt;
    }
    QString levelMarks() const {
        return QString("%1%2%3")
            .arg(form->Level1->isChecked())
            .arg(form->Level2->isChecked())
            .arg(form->Level3->isChecked());
    }
    QList<int> visibleTiles() const {
        QList<int> tiles;
        for (int i = 0; i < TileCount; ++i)
            if (!form->Command2[i]->isHidden())
                tiles << i;
        return tiles;
    }

    void start() {
        form = new Form1;
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    // Clicks a tile and answers its question with option 1..4, or 0 for none; the question.
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
        QDir().mkdir(path("WINDOWS")); // the folder windir names is used, not its twin
        start();
        QCOMPARE(form->windowTitle(), QString("QS Pelmora"));
        QCOMPARE(form->client()->size(), platform::twipsSize(5640, 6825));
        QCOMPARE(form->Picture1->geometry(), platform::twipsRect(90, 105, 5385, 5300));
        QCOMPARE(form->Command2[4]->geometry(), platform::twipsRect(1890, 1860, 1800, 1770));
        QVERIFY(at(form->Text1, 405, 5700, 3630, 375) && at(form->Command1, 4125, 5700, 900, 405));
        QCOMPARE(form->Command1->text(), QString("Guess"));
        QCOMPARE(levelMarks(), QString("100"));
        QCOMPARE(visibleTiles(), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8}));
        QCOMPARE(form->Command2[0]->text() + form->tag(0) + form->Command2[1]->text() +
                     form->tag(1) + form->tag(2),
                 QString("Animals 1Space 2 1"));
        QCOMPARE(form->Picture1->pixmap().size(), QSize(359, 353));
        QCOMPARE(contentOf(path("a.puz")), QByteArray("Snow Man!\r\na.bmp\r\nCycle=2\r\n"));
        QCOMPARE(contentOf(path("b.puz")), QByteArray("Rocket\r\nB.BMP\r\nCycle=1\r\n"));
        // The next game plays b, whose picture is found whatever the case of its name.
        QTest::keyClick(form, Qt::Key_F2);
        QCOMPARE(form->module().Solution, QString("Rocket"));
        QCOMPARE(form->Picture1->pixmap().size(), QSize(359, 353));
        QVERIFY(settings().contains("Puzzles=2"));
        QVERIFY(services->messages.isEmpty());
    }

    void aRightAnswerHidesTheTileAWrongOneShowsTheAnswer() {
        start();
        bool placed = false;
        QString seen;
        whenShown<Form2>([&](Form2* question) {
            seen =
                question->windowTitle() + (settings().contains("Animals.trv=1") ? " saved " : "");
            for (QRadioButton* option : question->Option1)
                seen += option->isHidden() ? "-" : option->isChecked() ? "x" : "o";
            seen += " " + question->focusWidget()->objectName();
            placed = question->size() == platform::twipsSize(7770, 4410) &&
                     at(question->Text1, 135, 360, 7545, 1650) &&
                     at(question->Option1[0], 165, 2115, 7545, 345) &&
                     at(question->Option1[3], 165, 3015, 7545, 345) &&
                     at(question->Command1, 3045, 3795, 1275, 405);
            QTest::keyClick(question, Qt::Key_Escape); // does nothing
            clickOption(question->Option1[1]);
            // White marks on the teal dialog, the chosen one with a black dot.
            seen += QString(" %1%2")
                        .arg(markMiddle(question->Option1[0]) > 240)
                        .arg(markMiddle(question->Option1[1]) < 128);
            QTest::mouseClick(question->Command1, Qt::LeftButton);
        });
        QTest::mouseClick(form->Command2[0], Qt::LeftButton);
        QCOMPARE(seen, QString("Question saved oooo Command1 11"));
        QVERIFY(placed);
        QVERIFY(form->Command2[0]->isHidden());
        QVERIFY(services->messages.isEmpty());
        QCOMPARE(form->focusWidget(), form->Text1);

        QCOMPARE(clickAndAnswer(2, 3), QString("Animals two?"));
        QVERIFY(!form->Command2[2]->isHidden());
        QCOMPARE(said(), QString("Oops: Sorry, that is incorrect. \r\n\r\nQuestion:  Animals two?"
                                 "\r\n\r\nAnswer:  right two."));
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
        QCOMPARE(said(), QString("Good luck: Since all of the tiles are removed, this is your "
                                 "last chance to solve the puzzle.  Enter your guess in the text "
                                 "box below and click 'Guess'."));
        QCOMPARE(form->focusWidget(), form->Text1);
        guess("snow");
        QCOMPARE(said(), QString("You lose: The correct answer is SNOW MAN!"));
        guess("snowman");
        QCOMPARE(said(), QString("You have lost: You already lost... try another puzzle"));
        QCOMPARE(form->Text1->text(), QString("snowman"));

        form->NewGame->trigger();
        QCOMPARE(form->Text1->text(), QString(""));
        guess("rocker");
        QCOMPARE(said(), QString("Nope!: Incorrect.  Try again."));
        guess(" r-o-c-k-e-t ");
        QCOMPARE(said(), QString("Winner: You are correct!"));
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(said(), QString("You have won: You already won... try another puzzle."));
    }

    void menusAsListed() {
        start();
        QStringList rows;
        for (QAction* menu : form->menuBar()->actions()) {
            rows << menu->menu()->objectName() + "|" + menu->text();
            for (QAction* item : menu->menu()->actions())
                rows << item->objectName() + "|" + (item->isSeparator() ? "-" : item->text()) +
                            "|" + item->shortcut().toString();
        }
        QCOMPARE(rows, QStringList({"Game_Menu|&Game", "NewGame|&New|F2", "Blank3|-|",
                                    "Level1|Level &1|", "Level2|Level &2|", "Level3|Level &3|",
                                    "Blank1|-|", "Options|&Categories|",
                                    "CreatePuzzle|&Puzzle Editor|", "Blank2|-|", "Closeit|E&xit|",
                                    "Help|&Help", "contents|&Contents|F1", "About|&About|"}));
    }

    void levelsCarryOneCheckMark() {
        start();
        form->Level3->trigger();
        QCOMPARE(levelMarks(), QString("001"));
        QCOMPARE(visibleTiles().size(), 36);
        QCOMPARE(visibleTiles().first(), 27);
        QCOMPARE(form->Command2[28]->geometry(), platform::twipsRect(90, 990, 900, 885));
        QCOMPARE(form->Command2[28]->text() + form->Command2[29]->text(), QString("SpaceAnimals"));
        form->Level2->trigger();
        QCOMPARE(levelMarks(), QString("010"));
        QCOMPARE(visibleTiles().first(), 9);
        QCOMPARE(visibleTiles().size(), 18);
        QTest::keyClicks(form->Text1, "guess");
        form->Level2->trigger(); // the level already checked still starts a new game
        QCOMPARE(form->Text1->text(), QString(""));
    }

    // A caption too wide for its tile wraps at word breaks, as on a command button, rather
    // than being cut at both sides; "&" marks the access key.
    void tileCaptionsWrapOntoMoreLines() {
        put(path("World.trv"), categoryFile("World History"));
        put(path("Famous.trv"), categoryFile("Famous Scientists & Inventors"));
        start();
        form->Level3->trigger();
        for (const QString caption : {"World History", "Famous Scientists & Inventors"}) {
            QPushButton* tile = nullptr;
            for (int i : visibleTiles())
                if (form->Command2[i]->text() == caption)
                    tile = form->Command2[i];
            QVERIFY2(tile, qPrintable(caption));
            // Where the caption's dark pixels lie inside the button's edge.
            const QImage image = tile->grab().toImage();
            QRect ink;
            for (int y = 3; y < image.height() - 3; ++y)
                for (int x = 3; x < image.width() - 3; ++x)
                    if (qGray(image.pixel(x, y)) < 96)
                        ink |= QRect(x, y, 1, 1);
            QVERIFY2(ink.left() > 3 && ink.right() < image.width() - 4, qPrintable(caption));
            QVERIFY2(ink.height() > tile->fontMetrics().height(), qPrintable(caption));
        }
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
        QCOMPARE(said(), QString("Shutting Down: This game can no longer continue."));
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
        QVERIFY(said().contains("a.puz"));
        QCOMPARE(contentOf(path("a.puz")), QByteArray("Cycle=1\r\n"));
        QTest::mouseClick(form->Command2[1], Qt::LeftButton);
        QCOMPARE(said(), QString("Pelmora: The category file Empty.trv has no questions."));

        // A question cut short opens no dialog and keeps its tile.
        put(path("Empty.trv"), "Empty\r\nnotes\r\nQUESTION\r\nWhy?\r\n");
        bool asked = false;
        QTimer::singleShot(0, [&asked] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                asked = dialog->close();
        });
        QTest::mouseClick(form->Command2[1], Qt::LeftButton);
        QApplication::processEvents();
        QVERIFY(!asked && !form->Command2[1]->isHidden());
        QCOMPARE(said(), QString("Pelmora: The category file Empty.trv ends in the middle of a "
                                 "question, so it cannot be asked."));
        QVERIFY(settings().contains("Empty.trv=0"));

        // A category file removed since the new game leaves its place alone.
        QFile::remove(path("Animals.trv"));
        QTest::mouseClick(form->Command2[0], Qt::LeftButton);
        QVERIFY(said().startsWith("Pelmora: The category file Animals.trv"));
        QCOMPARE(form->module().PlaceHolder[1], 0);
        QVERIFY(!settings().contains("Animals.trv"));

        // A picture that cannot be read: an empty picture and a message naming it.
        put(path("b.bmp"), "not a picture");
        QFile::remove(path("a.puz"));
        form->NewGame->trigger();
        QVERIFY(form->Picture1->pixmap().isNull());
        QVERIFY(said().contains("B.BMP"));
        QCOMPARE(contentOf(path("b.puz")), QByteArray("Rocket\r\nB.BMP\r\nCycle=3\r\n"));
    }

    void aPuzzleThatCannotBeRewrittenIsPlayedAnyway() {
        start();
        // No file may grow beyond 8 bytes: every save fails, as on a full disk.
        const int status = runInChild(8, [&] {
            form->NewGame->trigger();
            const bool played = said().startsWith("Pelmora: The puzzle file b.puz could not") &&
                                form->module().Solution == "Rocket" &&
                                !form->Picture1->pixmap().isNull();
            return played ? 0 : 1;
        });
        QCOMPARE(status, 0);
        QCOMPARE(contentOf(path("b.puz")), QByteArray("Rocket\r\nB.BMP\r\nCycle=1\r\n"));
    }

    void settingsProblemsAreReportedAndPlayGoesOn() {
        put(windows + "/pelmora.ini", "[Cycles]\r\nPuzzles=\r\n");
        start();
        QCOMPARE(said(), QString("Error: Error reading pelmora.ini"));
        QCOMPARE(form->module().Solution, QString("Snow Man!")); // cycle 0 for this game
        QDir(windows).removeRecursively();                       // and it is never created again
        QCOMPARE(clickAndAnswer(0, 2), QString("Animals one?"));
        QCOMPARE(said(), QString("Error: Error writing to pelmora.ini"));
        QVERIFY(form->Command2[0]->isHidden());
        QVERIFY(!QDir(windows).exists());

        // Without windir the suite's own folder holds the file, never the working directory.
        qunsetenv("windir");
        qputenv("XDG_CONFIG_HOME", path("config").toLocal8Bit());
        delete form;
        start();
        clickAndAnswer(0, 1);
        QVERIFY(contentOf(path("config/quiblax/pelmora.ini")).contains("Animals.trv=1"));
        QCOMPARE(QDir(dir->path()).entryList({"*.ini"}), QStringList());

        // A file too large to read: one message, play goes on, and it is never rewritten.
        const QByteArray huge = "[Notes]\r\n" + QByteArray(4 * 1024 * 1024, 'n') + "\r\n";
        put(path("config/quiblax/pelmora.ini"), huge);
        services->messages.clear();
        form->NewGame->trigger();
        clickAndAnswer(0, 2);
        clickAndAnswer(1, 2);
        QVERIFY(form->Command2[0]->isHidden() && form->Command2[1]->isHidden());
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(said().startsWith("Error: Pelmora cannot read its settings file"));
        QVERIFY(said().contains("too large"));
        QVERIFY(contentOf(path("config/quiblax/pelmora.ini")) == huge);
        qunsetenv("XDG_CONFIG_HOME");
    }

    void categoriesOfAnyNameAndEncodingKeepTheirPlaces() {
        const QString kino = QString::fromUtf8("\u041a\u0438\u043d\u043e.trv");
        put(path(kino), categoryFile(QString::fromUtf8("Caf\u00e9 M\u00fcller"))); // UTF-8
        put(path("a=b.trv"), QString::fromUtf8("\u00bbFaust\u00ab\r\n").toLatin1() +
                                 categoryFile("x").mid(3)); // single-byte
        put(path("a.puz"), "M\xc3\xa4nner\r\na.bmp\r\nCycle=1\r\n");
        start();
        QCOMPARE(form->module().Solution, QString::fromUtf8("M\u00e4nner"));
        QCOMPARE(contentOf(path("a.puz")), QByteArray("M\xc3\xa4nner\r\na.bmp\r\nCycle=2\r\n"));
        QCOMPARE(form->Command2[0]->text(), QString::fromUtf8("\u00bbFaust\u00ab"));
        QCOMPARE(form->Command2[3]->text(), QString::fromUtf8("Caf\u00e9 M\u00fcller"));
        const QString asked[] = {" one?", " two?", " one?"};
        for (const QString& question : asked) {
            QCOMPARE(clickAndAnswer(3, 0), QString::fromUtf8("Caf\u00e9 M\u00fcller") + question);
            QCOMPARE(clickAndAnswer(0, 0), "x" + question);
            form->NewGame->trigger(); // which reads the places again
        }
        const QString held = QString::fromUtf8(contentOf(windows + "/pelmora.ini"));
        QCOMPARE(held.count(kino + "=1"), 1);
        QCOMPARE(held.count("\"a=b.trv\"=1"), 1);
        QCOMPARE(held.count("\r\n"), 5); // two sections, three keys
    }

    void theCategoriesDialogSwitchesFiles() {
        start();
        QString lists;
        bool placed = false;
        whenShown<Form4>([&lists, &placed](Form4* categories) {
            QListWidget* active = categories->List2;
            placed = categories->size() == platform::twipsSize(5055, 3345) &&
                     categories->Label1->pos() == platform::twipsPoint(315, 645) &&
                     categories->Label2->pos() == platform::twipsPoint(3300, 645) &&
                     at(categories->List1, 315, 1110, 1440, 1395) &&
                     at(active, 3300, 1110, 1440, 1395) &&
                     at(categories->Command1, 2100, 1365, 885, 315) &&
                     at(categories->Command2, 2100, 1770, 885, 315) &&
                     at(categories->Command3, 1770, 2730, 725, 375) &&
                     at(categories->Command4, 2550, 2730, 725, 375);
            lists = categories->windowTitle() + ": " + categories->List1->item(0)->text() + " / " +
                    active->item(0)->text() + " " + active->item(1)->text();
            QTest::mouseClick(active->viewport(), Qt::LeftButton, {},
                              active->visualItemRect(active->item(0)).center());
            QTest::mouseClick(categories->Command2, Qt::LeftButton);
            // A second press finds nothing selected, and Enter in a list presses no button.
            QTest::mouseClick(categories->Command2, Qt::LeftButton);
            categories->List1->setCurrentRow(0);
            QTest::keyClick(categories->List1, Qt::Key_Return);
            lists += QString(" %1/%2").arg(categories->List1->count()).arg(active->count());
            QTest::mouseClick(categories->Command3, Qt::LeftButton);
        });
        form->Options->trigger();
        QCOMPARE(lists, QString("Categories: History / Animals Space 2/1"));
        QVERIFY(placed);
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
        QVERIFY(said().contains("Space.trv") && said().contains("Space.trh"));
        QCOMPARE(services->messages.size(), 1); // once, though Space stands in both lists
        QCOMPARE(contentOf(path("Space.trh")), QByteArray("kept"));
        QCOMPARE(contentOf(path("Space.trv")), categoryFile("Space"));
    }

    // Kino.trv and KINO.trh: each switches alone, and a twin starts at its own first question.
    void categoriesWhoseNamesDifferOnlyInCaseSwitchAndAskAlone() {
        put(path("Kino.trv"), categoryFile("Kino"));
        put(path("KINO.trh"), categoryFile("KINO"));
        put(windows + "/pelmora.ini", "[PlaceHolders]\r\nKino.trv=1\r\n");
        start();
        for (QListWidget* Form4::*list : {&Form4::List1, &Form4::List2}) {
            whenShown<Form4>([list](Form4* categories) {
                (categories->*list)->setCurrentRow(1); // KINO
                QTest::mouseClick(list == &Form4::List1 ? categories->Command1
                                                        : categories->Command2,
                                  Qt::LeftButton);
                QTest::mouseClick(categories->Command3, Qt::LeftButton);
            });
            form->Options->trigger();
            QCOMPARE(services->prompts().join("|"), QString());
            QVERIFY(QFile::exists(path("Kino.trv")));
            if (list == &Form4::List1)
                QCOMPARE(clickAndAnswer(1, 2), QString("KINO one?"));
        }
        QVERIFY(QFile::exists(path("KINO.trh")) && !QFile::exists(path("KINO.trv")));
    }

    void helpAndExit() {
        put(path("Pelmora.hlp"), "# Pelmora\r\n");
        start();
        form->contents->trigger();
        QCOMPARE(services->started.size(), 1);
        QCOMPARE(services->started[0].second,
                 QStringList({"Pelmora.hlp", "--window", "maximized"}));
        form->Closeit->trigger();
        QCOMPARE(services->endRequests, 1);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
