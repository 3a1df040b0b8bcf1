#include "form1.h"
#include "canvas.h"
#include "drawing.h"
#include "generator.h"
#include "mazefile.h"
#include "platform/fonts.h"
#include "platform/helplaunch.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "shared/numbertext.h"
#include "shared/splash.h"
#include "trace.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPainter>

namespace maze {

namespace {

const QString Caption = "QUIBLAX Maze";
constexpr unsigned Background = 0xC0C0C0;
constexpr unsigned Red = 0x0000FF;
constexpr unsigned Blue = 0xFF0000;

// Drawn in the pixels the twips fall in, so the grid's last walls, at 7200 and 5200 twips,
// lie inside the 7230 x 5205-twip client area.
QRect pixelBox(QLine twips) {
    using platform::pixelHolding;
    return QRect(QPoint(pixelHolding(twips.x1()), pixelHolding(twips.y1())),
                 QPoint(pixelHolding(twips.x2()), pixelHolding(twips.y2())));
}

} // namespace

Form1::Form1(shared::RandomSource* random)
    : random_(random), about_(shared::AboutGame::Maze, QPixmap(":/art/maze-icon.png"), this) {
    setObjectName("Form1");
    setWindowTitle(Caption);
    setWindowIcon(QIcon(":/art/maze-icon.png"));
    CMDialog1.Filter = "Maze (*.maz)|*.maz|All Files(*.*)|*.*";
    buildControls();
    buildMenus();
}

Form1::~Form1() = default;

void Form1::buildControls() {
    canvas_ = new Canvas(platform::twipsSize(7230, 5205), this);
    platform::setBackground(canvas_, Background);
    setCentralWidget(canvas_);
    connect(canvas_, &Canvas::pressed, this, &Form1::Form_MouseDown);
    connect(canvas_, &Canvas::moved, this, &Form1::Form_MouseMove);
    connect(canvas_, &Canvas::released, this, &Form1::Form_MouseUp);
    connect(canvas_, &Canvas::resized, this, &Form1::Form_Resize);

    Label2 = new QLabel("Building Maze... Please Wait...", canvas_);
    Label2->setObjectName("Label2");
    Label2->setGeometry(platform::twipsRect(0, 600, 7215, 375));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    platform::setBackground(Label2, Background);
    QPalette palette = Label2->palette();
    palette.setColor(QPalette::WindowText, platform::colourFromBgr(Blue));
    Label2->setPalette(palette);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();
}

void Form1::buildMenus() {
    using platform::addMenuItem;
    QMenu* game = menuBar()->addMenu("&Game");
    game->setObjectName("FileMenu");
    NewGame = addMenuItem(game, "NewGame", "&New", this, &Form1::NewGame_Click, Qt::Key_F2);
    OpenMaze = addMenuItem(game, "OpenMaze", "&Open", this, &Form1::OpenMaze_Click);
    game->addSeparator()->setObjectName("Empty2");
    AllDone = addMenuItem(game, "AllDone", "E&xit", this, &Form1::AllDone_Click);
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("HelpMenu");
    HelpContents = addMenuItem(help, "HelpContents", "&Contents", this, &Form1::HelpContents_Click,
                               Qt::Key_F1);
    HelpAbout = addMenuItem(help, "HelpAbout", "&About", this, &Form1::HelpAbout_Click);
}

void Form1::Form_Load() {
    shared::Splash::showModal();
    adjustSize();
    // Opens where it was designed to, not centred: its client area at (1095, 1305) twips.
    setGeometry(QRect(platform::twipsPoint(1095, 1305) - canvas_->geometry().topLeft(), size()));
    show();
    buildNewMaze();
    Form_Paint();
}

void Form1::buildNewMaze() {
    Label2->show();
    platform::doEvents();
    clearWindow();
    while (BuildMaze() != 1) {
    }
}

int Form1::BuildMaze() {
    setCursor(Qt::WaitCursor);
    const bool accepted = buildMazeAttempt(state_, *random_).accepted;
    unsetCursor();
    Label2->hide();
    return accepted ? 1 : 0;
}

void Form1::clearWindow() {
    canvas_->surface().fill(platform::colourFromBgr(Background));
    canvas_->present();
}

void Form1::drawMark(QPainter& painter, const Mark& mark, const QColor& wallColour) {
    switch (mark.kind) {
    case Mark::Marker:
        painter.fillRect(pixelBox(mark.twips), platform::colourFromBgr(Red));
        break;
    case Mark::CellBox: {
        // An outline: the walls of the cell all round.
        const QRect box = pixelBox(mark.twips);
        painter.setPen(QPen(wallColour, 0));
        painter.drawPolyline(QPolygon(
            {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft(), box.topLeft()}));
        break;
    }
    case Mark::Wall:
        painter.setPen(QPen(wallColour, 0));
        painter.drawLine(pixelBox(mark.twips).topLeft(), pixelBox(mark.twips).bottomRight());
        break;
    }
}

void Form1::drawTrailBox(Cell cell, const QColor& colour) {
    QPainter(&canvas_->surface()).fillRect(pixelBox(insetBox(cell)), colour);
}

void Form1::Form_Paint() {
    canvas_->surface().fill(platform::colourFromBgr(Background));
    {
        // One painter for the whole maze: setting one up per line costs more than the line.
        QPainter painter(&canvas_->surface());
        const QColor wallColour = palette().color(QPalette::WindowText);
        for (int c = 0; c < Columns; ++c)
            for (int r = 0; r < Rows; ++r)
                for (const Mark& mark : cellMarks(state_.Maze[c][r], c, r))
                    drawMark(painter, mark, wallColour);
    }
    canvas_->present();
}

void Form1::Form_Resize() {
    Form_Paint();
}

void Form1::Form_MouseDown(QPointF twips) {
    pressMouse(state_, pointerCell(twips));
}

void Form1::Form_MouseMove(QPointF twips) {
    const TraceStep step = moveMouse(state_, pointerCell(twips));
    switch (step.kind) {
    case TraceStep::Ignored:
        break;
    case TraceStep::Beep:
        platform::beep();
        break;
    case TraceStep::Finished:
        platform::msgBox("Course completed in " + shared::numberText(state_.ElapsedSeconds) +
                             " seconds.",
                         platform::Buttons::Ok, platform::Icon::Information, "Congratulations");
        endTrace(state_);
        // The box took the release that ended the trace: do what the release does.
        if (QGuiApplication::mouseButtons() == Qt::NoButton) {
            Form_MouseUp({});
        } else if (!releaseAwaited_) {
            releaseAwaited_ = true;
            qApp->installEventFilter(this);
        }
        break;
    case TraceStep::Box:
        drawTrailBox(*step.box, platform::colourFromBgr(Blue));
        if (step.erased)
            drawTrailBox(*step.erased, platform::colourFromBgr(Background));
        canvas_->present();
        break;
    }
}

void Form1::Form_MouseUp(QPointF) {
    if (releaseAwaited_) {
        releaseAwaited_ = false;
        qApp->removeEventFilter(this);
    }
    endTrace(state_);
    Form_Paint();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // The release may come to another window, or to none of the window's controls.
    if (releaseAwaited_ &&
        (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseMove) &&
        QGuiApplication::mouseButtons() == Qt::NoButton)
        Form_MouseUp({});
    return QMainWindow::eventFilter(watched, event);
}

void Form1::Timer1_Timer() {
    tick(state_);
}

void Form1::NewGame_Click() {
    buildNewMaze();
    Form_Paint();
}

void Form1::OpenMaze_Click() {
    const std::optional<QString> chosen =
        platform::chooseFile(CMDialog1, "Open", platform::CommonDialog::ShowOpen);
    if (!chosen)
        return; // cancelled: nothing changes
    const QString path = *chosen;
    // The whole file is read before the maze on show changes.
    const std::variant<MazeFile, QString> read = readMazFile(path);
    if (const QString* problem = std::get_if<QString>(&read)) {
        platform::msgBox(QString("The maze %1 cannot be opened.\n%2").arg(path, *problem),
                         platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    applyMazeFile(state_, std::get<MazeFile>(read));
    state_.MazeFileName = path;
    platform::setCaption(this, Caption + " - " + path);
    Form_Paint();
}

void Form1::AllDone_Click() {
    platform::endProgram();
}

void Form1::HelpContents_Click() {
    platform::shell("winhlp32.exe maze.hlp", platform::WindowStyle::NormalFocus);
}

void Form1::HelpAbout_Click() {
    about_.showModal();
}

} // namespace maze
