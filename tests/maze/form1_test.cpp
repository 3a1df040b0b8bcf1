#include "maze/canvas.h"
#include "maze/drawing.h"
#include "maze/form1.h"
#include "mazeroute.h"
#include "platform/twips.h"
#include "scriptedservices.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace maze;

namespace {

// The real random source, noting what the window shows when a build attempt begins.
class WatchedRandom : public shared::TimeSeededRandom {
  public:
    Form1* form = nullptr;
    QList<Qt::CursorShape> cursors;
    QList<bool> labelShown;
    void reseedFromTime() override {
        if (form) {
            cursors << form->cursor().shape();
            labelShown << form->Label2->isVisible();
        }
        TimeSeededRandom::reseedFromTime();
    }
};

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor Grey(192, 192, 192);

} // namespace

// The maze window driven with real mouse events, with scripted boxes and dialogs.
class Form1Test : public QObject {
    Q_OBJECT

    ScriptedServices* services = nullptr;
    WatchedRandom* random = nullptr;
    Form1* form = nullptr;

    static QPoint centreOf(Cell cell) {
        return platform::twipsPoint(CellTwips * cell.x + CellTwips / 2,
                                    CellTwips * cell.y + CellTwips / 2);
    }
    QColor colourAt(Cell cell) {
        return form->client()->grab().toImage().pixelColor(centreOf(cell));
    }
    void press(Cell cell) { QTest::mousePress(form->client(), Qt::LeftButton, {}, centreOf(cell)); }
    void moveTo(Cell cell) { QTest::mouseMove(form->client(), centreOf(cell)); }
    void release(Cell cell) {
        QTest::mouseRelease(form->client(), Qt::LeftButton, {}, centreOf(cell));
    }
    Cell start() const { return {form->module().StartX, form->module().StartY}; }
    std::vector<Cell> routeToFinish() const {
        const auto finishes = mazetest::cellsWith(form->module().Maze, FinishValue);
        if (finishes.size() != 1)
            return {};
        return mazetest::findRoute(form->module().Maze, start(), finishes[0])
            .value_or(std::vector<Cell>{});
    }
    void grabTo(const QString& name) {
        const QString dir = qEnvironmentVariable("QUIBLAX_GRAB_DIR");
        if (!dir.isEmpty())
            form->grab().save(QDir(dir).filePath(name));
    }
    static QByteArray mazFile(const QList<QByteArray>& rows) {
        QByteArray content;
        for (const QByteArray& row : rows)
            content += row + "\r\n";
        return content;
    }
    static QString writeFile(const QTemporaryDir& dir, const QString& name,
                             const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
        return path;
    }

  private slots:
    void initTestCase() {
        QApplication::setApplicationName("maze");
        QDir::setCurrent(QCoreApplication::applicationDirPath());
    }
    void init() {
        services = new ScriptedServices;
        random = new WatchedRandom;
        form = new Form1(random);
        random->form = form;
        form->Form_Load();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void cleanup() {
        delete form;
        delete random;
        delete services;
    }

    void startsAtItsDesignPlaceWithABuiltMaze() {
        grabTo("maze-start.png");
        QCOMPARE(form->windowTitle(), QString("QUIBLAX Maze"));
        QCOMPARE(form->client()->size(), platform::twipsSize(7230, 5205));
        QCOMPARE(form->client()->mapTo(form, QPoint(0, 0)) + form->geometry().topLeft(),
                 platform::twipsPoint(1095, 1305));
        QVERIFY(form->menuBar()->height() > 0); // the client area lies below the menu bar
        QCOMPARE(form->Label2->text(), QString("Building Maze... Please Wait..."));
        QVERIFY(!form->Label2->isVisible());
        QCOMPARE(form->Timer1->interval(), 1000);
        QVERIFY(form->Timer1->isActive());
        QCOMPARE(form->NewGame->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(form->HelpContents->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(form->cursor().shape(), Qt::ArrowCursor);
        // The label was up and the pointer an hourglass when the first attempt began.
        QVERIFY(!random->cursors.isEmpty());
        QCOMPARE(random->cursors.first(), Qt::WaitCursor);
        QVERIFY(random->labelShown.first());
        QVERIFY(!routeToFinish().empty());
        QCOMPARE(colourAt(start()), Red);
        QVERIFY(services->messages.isEmpty());
        // The grid's bottom walls, at 5200 twips, lie on the client area's last pixel row.
        const QImage image = form->client()->grab().toImage();
        int bottomWalls = 0;
        for (int c = 0; c < Columns; ++c)
            for (const Mark& mark : cellMarks(form->module().Maze[c][Rows - 1], c, Rows - 1))
                if (mark.kind == Mark::Wall && mark.twips.y1() == 5200 && mark.twips.y2() == 5200) {
                    ++bottomWalls;
                    QCOMPARE(image.pixelColor(centreOf({c, Rows - 1}).x(), image.height() - 1),
                             form->palette().color(QPalette::WindowText));
                }
        QVERIFY(bottomWalls > 0);
    }

    void tracingToTheFinishShowsTheTime() {
        const std::vector<Cell> route = routeToFinish();
        QVERIFY(route.size() >= 2);
        press(route[0]);
        for (size_t i = 0; i + 1 < route.size(); ++i) {
            moveTo(route[i]);
            QCOMPARE(colourAt(route[i]), Blue);
            if (i == route.size() / 2) {
                grabTo("maze-trace.png");
                for (int t = 0; t < 17; ++t)
                    form->Timer1_Timer();
            }
        }
        QVERIFY(services->messages.isEmpty());
        moveTo(route.back());
        QCOMPARE(services->beeps, 0);
        QCOMPARE(services->prompts(), QStringList({"Course completed in  17 seconds."}));
        QCOMPARE(services->messages[0].title, QString("Congratulations"));
        QCOMPARE(services->messages[0].icon, platform::Icon::Information);
        QCOMPARE(colourAt(route.back()), Red); // the finish gets no box
        moveTo(route[route.size() - 2]);       // the trace is over
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->beeps, 0);
        const Cell drawn = route[route.size() - 2];
        QCOMPARE(colourAt(drawn), Blue); // the button is still held
        release(route.back());
        QCOMPARE(colourAt(drawn), Grey);
    }

    // A button still held when the box closes is let go after, where the box stood: the
    // trail goes as on a release.
    void aButtonLetGoAfterTheBoxEndsTheTrace() {
        const std::vector<Cell> route = routeToFinish();
        QVERIFY(route.size() >= 3);
        press(route[0]);
        for (const Cell& cell : route)
            moveTo(cell);
        QCOMPARE(services->messages.size(), 1);
        const Cell drawn = route[route.size() - 2];
        QCOMPARE(colourAt(drawn), Blue); // the button is still held
        QWidget box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mouseRelease(&box, Qt::LeftButton);
        QCOMPARE(colourAt(drawn), Grey);
    }

    // A real box takes the release while it is open: once it closes with no button held,
    // the trail goes as on a release.
    void aTraceEndedByTheBoxWithTheButtonUpIsRedrawnBare() {
        const std::vector<Cell> route = routeToFinish();
        QVERIFY(route.size() >= 3);
        form->Form_MouseDown(QPointF(centreOf(route[0])) * platform::TwipsPerPixel); // no button
        for (const Cell& cell : route)
            moveTo(cell);
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(form->module().TraceState, 2);
        QCOMPARE(colourAt(route[route.size() - 2]), Grey);
    }

    void aJumpOverACellBeepsAndGoingBackErases() {
        const std::vector<Cell> route = routeToFinish();
        QVERIFY(route.size() >= 4);
        press(route[0]);
        moveTo(route[0]);
        moveTo(route[1]);
        moveTo(route[3]); // jumps over route[2]
        QCOMPARE(services->beeps, 1);
        QCOMPARE(colourAt(route[3]), Grey);
        moveTo(route[2]);
        QCOMPARE(services->beeps, 1);
        QCOMPARE(colourAt(route[2]), Blue);
        moveTo(route[1]); // back one cell
        QCOMPARE(colourAt(route[2]), Grey);
        QCOMPARE(colourAt(route[1]), Blue);
        QCOMPARE(form->module().PathIndex, 1);
        release(route[1]);
        QCOMPARE(colourAt(route[1]), Grey);
        QCOMPARE(colourAt(route[0]), Red);
    }

    void openReadsAMazeAndBadFilesChangeNothing() {
        QTemporaryDir dir(QDir::tempPath() + "/maze [*] XXXXXX");
        // The start at (1, 0), a way down column 1 to the finish at (1, 2); all else walled.
        QByteArray top = QByteArray("15").repeated(Columns);
        top.replace(2, 2, "32");
        QByteArray middle = QByteArray("15").repeated(Columns);
        middle.replace(2, 2, "10");
        QByteArray bottom = QByteArray("15").repeated(Columns);
        bottom.replace(2, 2, "64");
        QList<QByteArray> rows{top, middle, bottom};
        while (rows.size() < Rows)
            rows << QByteArray("15").repeated(Columns);
        // The chosen name as it stands: "\\" is part of it and names no folder.
        const QString good = writeFile(dir, "bs\\small.maz", mazFile(rows));
        services->fileAnswers.push_back(good);
        form->OpenMaze->trigger();
        QCOMPARE(services->fileDialogs[0].title, QString("Open"));
        QCOMPARE(services->fileDialogs[0].nameFilters,
                 QStringList({"Maze (*.maz)", "All Files (*)"}));
        QCOMPARE(form->windowHandle()->title(), "QUIBLAX Maze - " + good);
        QCOMPARE(form->module().MazeFileName, good);
        QCOMPARE(start(), (Cell{1, 0}));
        QCOMPARE(colourAt({1, 2}), Red); // shown at once

        press({1, 0});
        moveTo({1, 0});
        moveTo({1, 1});
        moveTo({1, 2});
        release({1, 2});
        QCOMPARE(services->prompts(), QStringList({"Course completed in  0 seconds."}));

        const QUIBMAZE1 before = form->module();
        const QString shortFile = writeFile(dir, "short.maz", mazFile(rows.mid(0, 12)));
        QVERIFY(QDir(dir.path()).mkdir("folder.maz"));
        QVERIFY(QFile::link("/dev/zero", dir.filePath("zero.maz")));
        const struct {
            QString path;
            QString reason;
        } badFiles[] = {
            {shortFile, "It ends after 12 of the 26 rows a maze needs."},
            {dir.filePath("missing.maz"), "It does not exist."},
            {dir.filePath("folder.maz"), "It is a folder, not a maze."},
            {dir.filePath("zero.maz"), "It is a device or a pipe, not a maze."},
        };
        for (const auto& [path, reason] : badFiles) {
            services->fileAnswers.push_back(path);
            form->OpenMaze->trigger();
            QCOMPARE(services->messages.last().prompt,
                     "The maze " + path + " cannot be opened.\n" + reason);
            QCOMPARE(services->messages.last().icon, platform::Icon::Exclamation);
            QCOMPARE(form->module().Maze, before.Maze);
            QCOMPARE(start(), (Cell{1, 0}));
            QCOMPARE(form->windowHandle()->title(), "QUIBLAX Maze - " + good);
        }

        // Cancel changes nothing and says nothing.
        const qsizetype messages = services->messages.size();
        form->OpenMaze->trigger();
        QCOMPARE(services->messages.size(), messages);
        QCOMPARE(form->module().Maze, before.Maze);

        // New builds a random maze and keeps the caption naming the file.
        form->NewGame->trigger();
        QVERIFY(form->module().Maze != before.Maze);
        QCOMPARE(form->windowHandle()->title(), "QUIBLAX Maze - " + good);
        QVERIFY(!form->Label2->isVisible());
        QVERIFY(!routeToFinish().empty());
    }

    void resizingKeepsTheCellSize() {
        form->resize(form->size() + QSize(120, 80));
        QTest::qWait(20);
        QCOMPARE(form->client()->size(), platform::twipsSize(7230, 5205) + QSize(120, 80));
        QCOMPARE(colourAt(start()), Red);
        const QImage image = form->client()->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() - 5, image.height() - 5), Grey);
    }

    void menusEndTheProgramStartHelpAndShowAbout() {
        form->AllDone->trigger();
        QCOMPARE(services->endRequests, 1);
        form->HelpContents->trigger();
        QCOMPARE(services->started.size(), 1);
        QVERIFY(services->started[0].first.endsWith("/helpview"));
        QCOMPARE(services->started[0].second, QStringList({"maze.hlp", "--window", "normal"}));
        QString caption;
        QTimer::singleShot(0, [&caption] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                caption = box->windowTitle();
                box->close();
            }
        });
        form->HelpAbout->trigger();
        QCOMPARE(caption, QString("About QUIBLAX Maze"));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
