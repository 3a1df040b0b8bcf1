#include "filesizelimit.h"
#include "platform/twips.h"
#include "scriptedservices.h"
#include "squares/form1.h"
#include "squares/savedgame.h"
#include "testfiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace squares;

// The Squares window driven with real mouse events, with scripted boxes and dialogs.
class Form1Test : public QObject {
    Q_OBJECT

    ScriptedServices* services = nullptr;
    Form1* form = nullptr;

    static Board solvedBoard() {
        Board board;
        const Colour colours[] = {Red, Blue, Green, Yellow, White, Black};
        for (int i = 0; i < SquareCount; ++i)
            board.colour[i] = colours[i / 9];
        return board;
    }

    QPoint centreOf(QWidget* w) { return w->mapTo(form->client(), w->rect().center()); }

    // Presses on the source square, moves over the target and lets go there.
    void drag(QWidget* source, QWidget* target) {
        QTest::mousePress(source, Qt::LeftButton, {}, source->rect().center());
        QTest::mouseMove(form->client(), centreOf(target));
        QTest::mouseRelease(form->client(), Qt::LeftButton, {}, centreOf(target));
    }
    void drag(int source, int target) { drag(form->Block[source], form->Block[target]); }

    static Colour bgrOf(QWidget* w) {
        const QColor c = w->palette().color(QPalette::Window);
        return Colour(c.red()) | Colour(c.green()) << 8 | Colour(c.blue()) << 16;
    }

  private slots:
    void initTestCase() {
        QApplication::setApplicationName("Squares");
        // The help file and the viewer lie beside the programs.
        QDir::setCurrent(QCoreApplication::applicationDirPath());
    }
    void init() {
        services = new ScriptedServices;
        form = new Form1;
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void cleanup() {
        delete form;
        delete services;
    }

    void startsWithANewGameUnderDifficultyOne() {
        QCOMPARE(form->windowTitle(), QString("QUIBLAX Squares"));
        QCOMPARE(form->client()->size(), platform::twipsSize(5850, 4830));
        const QSize size = form->size();
        form->resize(size + QSize(100, 80));
        QCOMPARE(form->size(), size);
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->Block[49]->geometry(),
                 platform::twipsRect(3960 + 600, 2640 + 600, 555, 555));
        QCOMPARE(form->board().colour[4], Red);
        QCOMPARE(form->board().colour[49], Black);
        for (int i = 0; i < SquareCount; ++i)
            QCOMPARE(bgrOf(form->Block[i]), form->board().colour[i]);
        QVERIFY(services->messages.isEmpty());
    }

    void aboutShowsTheSquaresBoxUntilOk() {
        QString caption, title;
        QTimer::singleShot(0, [&] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<shared::AboutBox*>(window); box && box->isVisible()) {
                    caption = box->windowTitle();
                    title = box->titleLabel->text();
                    QTest::mouseClick(box->Command1, Qt::LeftButton);
                }
        });
        form->HelpAbout->trigger();
        QCOMPARE(caption, QString("About"));
        QCOMPARE(title, QString("QUIBLAX Squares"));
    }

    void anInvalidDropSaysSoAndChangesNothing() {
        const Board before = form->board();
        drag(0, 1);
        QCOMPARE(services->prompts(), QStringList({"Invalid Move"}));
        QCOMPARE(services->messages[0].title, QString("Squares"));
        QCOMPARE(services->messages[0].icon, platform::Icon::None);
        QCOMPARE(form->board().colour, before.colour);
        QCOMPARE(form->cube().DragStart, -1);
    }

    void aSwapThatSolvesTheBoardSaysWinner() {
        Board board = solvedBoard();
        std::swap(board.colour[3], board.colour[30]); // the middle columns of faces 0 and 3
        std::swap(board.colour[4], board.colour[31]);
        std::swap(board.colour[5], board.colour[32]);
        form->setBoard(board);
        drag(31, 4);
        QCOMPARE(services->prompts(), QStringList({"Winner"}));
        QCOMPARE(form->board().colour, solvedBoard().colour);
        QCOMPARE(bgrOf(form->Block[4]), Red);
    }

    void anInvalidDropOnASolvedBoardSaysBoth() {
        form->setBoard(solvedBoard());
        drag(0, 53);
        QCOMPARE(services->prompts(), QStringList({"Invalid Move", "Winner"}));
    }

    void dropOnTheSourceDoesNothingAndTheNextDragHasItsOwnSource() {
        form->setBoard(solvedBoard());
        drag(7, 7);
        QVERIFY(services->messages.isEmpty());
        drag(10, 7); // right column of face 0 with the left column of face 1
        QCOMPARE(form->board().colour[7], Blue);
        QCOMPARE(form->board().colour[10], Red);
    }

    void aDropOnTheBackgroundEndsTheDrag() {
        QTest::mousePress(form->Block[0], Qt::LeftButton, {}, {5, 5});
        QTest::mouseRelease(form->client(), Qt::LeftButton, {}, {380, 10});
        QCOMPARE(form->cube().DragStart, -1);
        QVERIFY(services->messages.isEmpty());
    }

    void difficultyTwoRemovesMovesAndTurnsTwoSteps() {
        form->difficulty2->trigger();
        QVERIFY(form->difficulty2->isChecked());
        QVERIFY(!form->difficulty1->isChecked());
        Board board = solvedBoard();
        form->setBoard(board);
        drag(7, 10);
        QCOMPARE(services->prompts(), QStringList({"Invalid Move", "Winner"}));

        Board labelled;
        for (int i = 0; i < SquareCount; ++i)
            labelled.colour[i] = Colour(i);
        form->setBoard(labelled);
        drag(form->Block[13], form->Picture1);
        // Two clockwise steps: the top-left corner's colour reaches the top-right corner.
        QCOMPARE(form->board().colour[9 + 6], Colour(9));
        QCOMPARE(form->board().colour[13], Colour(13));

        form->difficulty1->trigger();
        QVERIFY(form->difficulty1->isChecked());
        form->setBoard(labelled);
        drag(form->Block[13], form->Picture2);
        QCOMPARE(form->board().colour[9 + 1], Colour(9)); // one step anticlockwise
    }

    void aTurnThatSolvesShowsNothingUntilTheNextDrop() {
        Board board = solvedBoard();
        turnRing(board, 22, false);
        turnRing(board, 22, false);
        form->setBoard(board);
        drag(form->Block[22], form->Picture1);
        drag(form->Block[22], form->Picture1);
        QVERIFY(services->messages.isEmpty());
        QVERIFY(isSolved(form->board()));
        drag(form->Block[21], form->Picture1); // not a centre: nothing turns
        QCOMPARE(form->board().colour, solvedBoard().colour);
        drag(0, 53);
        QCOMPARE(services->prompts(), QStringList({"Invalid Move", "Winner"}));
    }

    void saveAsThenSaveWriteWhereTheCaptionSays() {
        QTemporaryDir dir;
        // The chosen name as it stands: "\\" is part of it and names no folder.
        const QString path = dir.filePath("sv\\mine.squ");
        QVERIFY(QDir(dir.path()).mkdir("sv") && write(dir.filePath("sv/mine.squ"), "other"));
        form->SaveGame->trigger(); // no current file: Save runs Save As
        QCOMPARE(services->fileDialogs.size(), 1);
        QVERIFY(services->fileDialogs[0].save);
        QCOMPARE(services->fileDialogs[0].title, QString("Save"));
        QVERIFY(!QFile::exists(path));

        services->fileAnswers.push_back(path);
        form->SaveAs->trigger();
        QCOMPARE(form->windowTitle(), "QUIBLAX Squares - " + path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), squFileContent(form->board().colour));
        file.close();

        Board board = form->board();
        turnRing(board, 4, true);
        form->setBoard(board);
        form->SaveGame->trigger();
        QCOMPARE(services->fileDialogs.size(), 2);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), squFileContent(board.colour));

        QCOMPARE(contentOf(dir.filePath("sv/mine.squ")), QByteArray("other"));
        form->NewGame->trigger();
        QCOMPARE(form->windowTitle(), QString("QUIBLAX Squares"));
        form->SaveGame->trigger();
        QCOMPARE(services->fileDialogs.size(), 3);
    }

    void openReadsTheBoardAndBadFilesChangeNothing() {
        QTemporaryDir dir;
        const QString good = dir.filePath("good.squ");
        QString problem;
        QVERIFY(writeSquFile(good, solvedBoard().colour, &problem));
        services->fileAnswers.push_back(good);
        form->OpenGame->trigger();
        QCOMPARE(services->fileDialogs[0].title, QString("Open"));
        QCOMPARE(services->fileDialogs[0].nameFilters,
                 QStringList({"Squares (*.squ)", "All Files (*)"}));
        QCOMPARE(form->board().colour, solvedBoard().colour);
        QCOMPARE(form->windowTitle(), "QUIBLAX Squares - " + good);
        QCOMPARE(form->cube().CurrentFile, good);

        const QString bad = dir.filePath("bad.squ");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(" 255 \r\n 0 \r\nbroken\r\n");
        file.close();
        QVERIFY(QDir(dir.path()).mkdir("folder.squ"));
        QVERIFY(QFile::link("/dev/zero", dir.filePath("zero.squ")));
        const struct {
            QString path;
            QString reason;
        } badFiles[] = {
            {bad, "Item 3 is not a number."},
            {dir.filePath("missing.squ"), "It does not exist."},
            {dir.filePath("folder.squ"), "It is a folder, not a saved game."},
            {dir.filePath("zero.squ"), "It is a device or a pipe, not a saved game."},
        };
        for (const auto& [path, reason] : badFiles) {
            services->fileAnswers.push_back(path);
            form->OpenGame->trigger();
            QCOMPARE(services->messages.last().prompt,
                     "The game " + path + " cannot be opened.\n" + reason);
            QCOMPARE(services->messages.last().icon, platform::Icon::Exclamation);
            QCOMPARE(form->board().colour, solvedBoard().colour);
            QCOMPARE(form->windowTitle(), "QUIBLAX Squares - " + good);
        }
        // Cancel changes nothing and says nothing.
        const int messages = services->messages.size();
        form->OpenGame->trigger();
        QCOMPARE(services->messages.size(), messages);
        QCOMPARE(form->cube().CurrentFile, good);
    }

    // The disk fills up: with a small file-size limit (which holds for root too) and its
    // signal ignored, the writes fail part-way as they would on a full disk.
    void aSaveThatFailsPartWayKeepsTheFileTheCurrentFileAndTheCaption() {
        QTemporaryDir dir(QDir::tempPath() + "/squares [*] XXXXXX");
        const QString path = dir.filePath("kept.squ");
        services->fileAnswers.push_back(path);
        form->SaveAs->trigger();
        QCOMPARE(form->windowHandle()->title(), "QUIBLAX Squares - " + path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        file.close();
        Board board = form->board();
        turnRing(board, 4, true);
        form->setBoard(board);

        {
            const FileSizeLimit limit(100);
            form->SaveGame->trigger();
            services->fileAnswers.push_back(dir.filePath("other.squ"));
            form->SaveAs->trigger();
        }

        QCOMPARE(services->prompts(),
                 QStringList({"The game cannot be saved as " + path +
                                  ".\nThe file would be larger than the system allows.",
                              "The game cannot be saved as " + dir.filePath("other.squ") +
                                  ".\nThe file would be larger than the system allows."}));
        QCOMPARE(services->messages.last().icon, platform::Icon::Exclamation);
        QCOMPARE(form->cube().CurrentFile, path);
        QCOMPARE(form->windowHandle()->title(), "QUIBLAX Squares - " + path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), saved);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.squ"});
    }

    void exitEndsTheProgramAndHelpStartsTheViewer() {
        form->Closeit->trigger();
        QCOMPARE(services->endRequests, 1);
        form->HelpContent->trigger();
        QCOMPARE(services->started.size(), 1);
        QVERIFY(services->started[0].first.endsWith("/helpview"));
        QCOMPARE(services->started[0].second, QStringList({"squares.hlp", "--window", "normal"}));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
