#include "gimbo/gimbo.h"
#include "gimbo/hexfile.h"
#include "platform/twips.h"
#include "scriptedservices.h"
#include "shared/numbertext.h"

#include <QAction>
#include <QDir>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace gimbo;

// The GimboAgram window driven with real mouse events, with scripted boxes and dialogs.
class GimboTest : public QObject {
    Q_OBJECT

    ScriptedServices* services = nullptr;
    Gimbo* form = nullptr;

    QPoint centreOf(QWidget* w) { return w->mapTo(form->client(), w->rect().center()); }

    void drag(QWidget* source, QPoint to) {
        QTest::mousePress(source, Qt::LeftButton, {}, source->rect().center());
        QTest::mouseMove(form->client(), to);
        QTest::mouseRelease(form->client(), Qt::LeftButton, {}, to);
    }
    void drag(QWidget* source, QWidget* target) { drag(source, centreOf(target)); }
    // Moves the pointer onto the widget and waits until the move has reached it: on a real
    // display the pointer is moved by the server and its move arrives later, as an event.
    void hover(QWidget* w) {
        struct MoveSeen : QObject {
            bool seen = false;
            bool eventFilter(QObject*, QEvent* event) override {
                seen = seen || event->type() == QEvent::MouseMove;
                return false;
            }
        } move;
        w->installEventFilter(&move);
        QTest::mouseMove(w, w->rect().center());
        QTRY_VERIFY(move.seen);
    }

    // The solved flower with the tiles of two slots exchanged.
    void placeSolvedExcept(int a, int b, bool draw = true) {
        Gimbo1& game = form->game();
        for (int t = 1; t <= 7; ++t) {
            game.SlotTile[t] = t;
            for (int k = 1; k <= 6; ++k)
                game.Tiles[t][k] = SolvedTiles[t - 1][k - 1];
        }
        std::swap(game.SlotTile[a], game.SlotTile[b]);
        for (int p = 1; p <= 7 && draw; ++p)
            game.ShowHexagon(p);
    }

    QStringList blockTexts() {
        QStringList texts;
        for (QLabel* block : form->Block)
            texts << block->text();
        return texts;
    }

    static QString writeGame(const QString& path, const SavedGame& game) {
        QString problem;
        return writeHexFile(path, game, &problem) ? path : QString();
    }

  private slots:
    void initTestCase() {
        QApplication::setApplicationName("Gimbo");
        QDir::setCurrent(QCoreApplication::applicationDirPath());
    }
    void init() {
        services = new ScriptedServices;
        form = new Gimbo;
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void cleanup() {
        delete form;
        delete services;
    }

    void startsDealtWithItsLayoutAndMenus() {
        QCOMPARE(form->windowTitle(), QString("GimboAgram"));
        QCOMPARE(form->client()->size(), platform::twipsSize(7845, 5685));
        QCOMPARE(form->Block[21]->geometry(), platform::twipsRect(3825, 3285, 225, 210));
        QCOMPARE(form->hexagonOfSlot(1), form->Hexagon[2]);
        QVERIFY(!form->Image1->pixmap().isNull() && form->Timer1->isActive());
        // Round its tiles the icon lets the title bar and the about box's grey show through.
        const QImage icon = form->windowIcon().pixmap(32, 32).toImage();
        QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(icon.pixelColor(31, 31).alpha(), 0);
        QStringList captions;
        for (QAction* menu : form->menuBar()->actions())
            for (QAction* item : menu->menu()->actions())
                captions << (item->isSeparator() ? "-"
                                                 : item->text() + item->shortcut().toString());
        QCOMPARE(captions, QStringList({"&New GameF2", "&Open", "&Save", "Save &As", "-", "E&xit",
                                        "&ContentsF1", "&About"}));
        form->how2play->trigger();
        QCOMPARE(services->started.value(0).second,
                 QStringList({"gimbo.hlp", "--window", "minimized"}));
    }

    void dragsSwapAndTurnTiles() {
        placeSolvedExcept(2, 6);
        drag(form->hexagonOfSlot(1), form->hexagonOfSlot(3));
        QCOMPARE(form->Block[blockOf(3, 3)]->text(), QString(" 5")); // tile 1's top
        drag(form->hexagonOfSlot(5), form->Picture1);
        QCOMPARE(form->Block[blockOf(5, 1)]->text(), QString(" 5")); // tile 5's top, turned
        drag(form->hexagonOfSlot(5), form->Picture2);
        drag(form->hexagonOfSlot(5), form->Picture2);
        QCOMPARE(form->Block[blockOf(5, 1)]->text(), QString(" 2"));
        const QStringList before = blockTexts();
        drag(form->hexagonOfSlot(7), form->Block[0]);                  // a block takes no drop
        drag(form->hexagonOfSlot(7), platform::twipsPoint(7000, 500)); // the background
        drag(form->hexagonOfSlot(7), form->Label1);
        drag(form->hexagonOfSlot(7), form->hexagonOfSlot(7)); // swapped with itself
        QCOMPARE(blockTexts(), before);
        QVERIFY(services->messages.isEmpty());
    }

    void theDragIconSaysWhereADropIsTaken() {
        QPushButton* source = form->hexagonOfSlot(4);
        auto image = [](const QPixmap& p) {
            return p.toImage().convertToFormat(QImage::Format_ARGB32);
        };
        const QImage ok = image(QPixmap(":/art/gimbo-ok.png"));
        const QImage haul = image(QPixmap(":/art/gimbo-haul.png"));
        auto shown = [&] { return image(QApplication::overrideCursor()->pixmap()); };
        QTest::mousePress(source, Qt::LeftButton, {}, source->rect().center());
        QCOMPARE(shown(), haul); // over itself nothing changes
        // The picture takes no drag-over; the bare window surface right of it does.
        const QPoint background = platform::twipsPoint(7000, 500);
        const QPoint bare(form->Image1->geometry().right() + 3, background.y());
        const std::pair<QPoint, const QImage*> overs[] = {{centreOf(form->hexagonOfSlot(2)), &ok},
                                                          {centreOf(form->Block[30]), &haul},
                                                          {centreOf(form->Picture2), &ok},
                                                          {background, &ok},
                                                          {bare, &haul},
                                                          {centreOf(form->Picture1), &ok}};
        for (const auto& [place, icon] : overs) {
            QTest::mouseMove(form->client(), place);
            QVERIFY(shown() == *icon);
        }
        QTest::mouseRelease(form->client(), Qt::LeftButton, {}, centreOf(form->Picture2));
        QTest::mousePress(source, Qt::LeftButton, {}, source->rect().center());
        QCOMPARE(shown(), haul); // the drop put the haul icon back
        QTest::mouseRelease(source, Qt::LeftButton, {}, source->rect().center());
    }

    void aSwapThatSolvesTheBoardAsksToPlayAgain() {
        placeSolvedExcept(3, 7);
        services->messageAnswers = {platform::Answer::No};
        drag(form->hexagonOfSlot(7), form->hexagonOfSlot(3));
        QCOMPARE(services->prompts(), QStringList({"You Win, Play Again?"}));
        QCOMPARE(services->messages[0].title, QString("Game Over"));
        QVERIFY(services->messages[0].buttons == platform::Buttons::YesNo &&
                services->messages[0].icon == platform::Icon::Question);
        QCOMPARE(form->Label2->text(), QString("Hits:  12"));
        QVERIFY(!form->Timer1->isActive());
        QCOMPARE(services->endRequests, 1);
    }

    void hintsFollowThePointerAndStayOverTheStatusBar() {
        const std::pair<QWidget*, QString> cases[] = {
            {form->Picture1, "Drag center block of hexagram here to rotate clockwise"},
            {form->Label2, "Drag center block of hexagram here to rotate clockwise"},
            {form->Picture2, "Drag center block of hexagram here to rotate counter-clockwise"},
            {form->Hexagon[3],
             "Drag this to another block or one of the rotation icons in upper left"},
            {form->Block[37],
             "This block must match the block it points to in the opposing hexagram"},
            {form->Label3, "This block must match the block it points to in the opposing hexagram"},
            {form->Block[39], form->Hints[0]},
        };
        for (const auto& [widget, hint] : cases) {
            hover(widget);
            form->Timer2_Timer();
            QCOMPARE(form->Label3->text(), hint);
        }
        QVERIFY(!form->Hints[0].isEmpty());
    }

    void openingChecksTheWholeFileFirst() {
        QTemporaryDir dir;
        SavedGame bad = savedGameOf(form->game());
        bad.slotTile[6] = 9;
        const QString badPath = writeGame(dir.filePath("bad.hex"), bad);
        const QStringList before = blockTexts();
        const double seconds = form->game().Seconds;
        services->fileAnswers.push_back(badPath);
        form->OpenGame->trigger();
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(services->messages[0].prompt.contains(badPath));
        QCOMPARE(services->messages[0].icon, platform::Icon::Exclamation);
        QCOMPARE(blockTexts(), before);
        QCOMPARE(form->game().Seconds, seconds);
        QCOMPARE(form->windowTitle(), QString("GimboAgram"));
        QVERIFY(form->gameFile().isEmpty());
        form->OpenGame->trigger(); // cancelled: the name stays "*.hex" and nothing happens
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->fileDialogs.last().fileName, QString("*.hex"));
    }

    void savedGamesReopenAndFailedSavesChangeNothing() {
        QTemporaryDir dir;
        // The chosen name as it stands: "\\" is part of it and names no folder.
        const QString path = dir.filePath("sv\\one.hex");
        SavedGame otherGame = savedGameOf(form->game());
        otherGame.seconds = 7;
        QVERIFY(QDir(dir.path()).mkdir("sv"));
        const QString other = writeGame(dir.filePath("sv/one.hex"), otherGame);
        form->game().Seconds = 42;
        services->fileAnswers.push_back(path);
        form->SaveGame->trigger(); // untitled: asks for a name
        QCOMPARE(form->windowHandle()->title(), "GimboAgram (" + path + ")");
        const QStringList saved = blockTexts();
        form->NewGame->trigger();
        QCOMPARE(form->windowTitle(), QString("GimboAgram"));
        services->fileAnswers.push_back(path);
        form->OpenGame->trigger();
        QCOMPARE(blockTexts(), saved);
        QCOMPARE(form->game().Seconds, 42.0);
        QCOMPARE(form->gameFile(), path);
        QCOMPARE(std::get<SavedGame>(readHexFile(other)).seconds, 7.0);

        services->fileAnswers.push_back(dir.filePath("no/such/folder/two.hex"));
        form->SaveAsGame->trigger();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(form->gameFile(), path);
        QCOMPARE(form->windowHandle()->title(), "GimboAgram (" + path + ")");
        // The saved game has become a folder: Save cannot write it and says so.
        QVERIFY(QFile::remove(path) && QDir(dir.path()).mkdir("sv\\one.hex"));
        const int dialogs = services->fileDialogs.size();
        form->SaveGame->trigger();
        QCOMPARE(services->fileDialogs.size(), dialogs); // titled: no dialog
        QCOMPARE(services->messages.size(), 2);
        QCOMPARE(services->messages[1].icon, platform::Icon::Exclamation);
        QCOMPARE(form->gameFile(), path);
    }

    void aCancelChangesNothingAndAChosenNameMayHoldWildcards() {
        QTemporaryDir dir(QDir::tempPath() + "/gimbo [*] XXXXXX");
        form->SaveAsGame->trigger();
        QVERIFY(form->gameFile().isEmpty() && services->messages.isEmpty());
        QCOMPARE(form->windowHandle()->title(), QString("GimboAgram"));
        services->fileAnswers.push_back(dir.filePath("a?.hex"));
        form->SaveAsGame->trigger();
        QVERIFY(QFileInfo(dir.filePath("a?.hex")).isFile());
        QCOMPARE(form->gameFile(), dir.filePath("a?.hex"));
    }

    void yesAfterOpeningASolvedFileDealsAnUntitledGame() {
        placeSolvedExcept(1, 1, false);
        QTemporaryDir dir;
        const QString path = writeGame(dir.filePath("won.hex"), savedGameOf(form->game()));
        services->messageAnswers = {platform::Answer::Yes};
        services->fileAnswers.push_back(path);
        form->OpenGame->trigger();
        QCOMPARE(services->prompts(), QStringList({"You Win, Play Again?"}));
        QCOMPARE(form->windowTitle(), QString("GimboAgram"));
        QVERIFY(form->gameFile().isEmpty());
        QCOMPARE(form->game().Seconds, 0.0);
        QVERIFY(form->Timer1->isActive());
    }

    // The background reads fast as a palette picture that keeps the art's own colours.
    void theBackgroundIsAPalettePictureInItsOwnColours() {
        const QImage picture = QImageReader("hexms.bmp").read();
        QCOMPARE(picture.format(), QImage::Format_Indexed8);
        for (QRgb fill : {0xFFFFFFFF, 0xFF203060, 0xFFFDE9C9, 0xFFD9ECF7, 0xFFF3E0F0})
            QVERIFY(picture.colorTable().contains(fill));
    }

    void withoutTheBackgroundPictureTheGameGoesOn() {
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        Gimbo bare;
        bare.Form_Load();
        QDir::setCurrent(QCoreApplication::applicationDirPath());
        QVERIFY(bare.Image1->pixmap().isNull());
        // Dealt: every block shows its edge of the tile dealt into its slot.
        const Gimbo1& dealt = bare.game();
        for (int slot = 1; slot <= 7; ++slot)
            for (int edge = 1; edge <= 6; ++edge)
                QCOMPARE(bare.Block[blockOf(slot, edge)]->text(),
                         shared::decimalNumberText(dealt.Tiles[dealt.tileIn(slot)][edge]));
        QVERIFY(bare.Label2->text().startsWith("Hits: ") && !bare.Hints[0].isEmpty());
        QVERIFY(services->messages.isEmpty());
    }
};

QTEST_MAIN(GimboTest)
#include "gimbo_test.moc"
