#include "form1.h"
#include "platform/dragcontroller.h"
#include "platform/helplaunch.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "savedgame.h"
#include "shared/numbertext.h"
#include "shared/splash.h"

#include <QAction>
#include <QLayout>
#include <QMenuBar>

namespace squares {

namespace {

const QString Caption = "QUIBLAX Squares";

QFrame* makeSquare(QWidget* parent, int index) {
    auto* square = new QFrame(parent);
    square->setObjectName(QString("Block%1").arg(index));
    square->setFrameStyle(QFrame::Box | QFrame::Plain);
    square->setLineWidth(1);
    const int face = index / 9;
    const int p = index % 9;
    const int faceLeft = 120 + 1920 * (face % 3);
    const int faceTop = face < 3 ? 720 : 2640;
    square->setGeometry(
        platform::twipsRect(faceLeft + 600 * (p / 3), faceTop + 600 * (p % 3), 555, 555));
    return square;
}

QLabel* makeArrow(QWidget* parent, const QString& name, int left, const QString& picture) {
    auto* arrow = new QLabel(parent);
    arrow->setObjectName(name);
    arrow->setGeometry(platform::twipsRect(left, 0, 465, 465));
    arrow->setPixmap(QPixmap(picture));
    arrow->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::setBackground(arrow, White);
    return arrow;
}

} // namespace

Form1::Form1(shared::RandomSource* random)
    : random_(random), about_(shared::AboutGame::Squares, QPixmap(":/art/squares-icon.png"), this) {
    setObjectName("Form1");
    setWindowTitle(Caption);
    setWindowIcon(QIcon(":/art/squares-icon.png"));
    // Fixed, with the control box and no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    CMDialog1.DefaultExt = "squ";
    CMDialog1.Filter = "Squares (*.squ)|*.squ|All Files(*.*)|*.*";
    buildControls();
    buildMenus();
}

Form1::~Form1() = default;

void Form1::buildControls() {
    client_ = new QWidget(this);
    client_->setFixedSize(platform::twipsSize(5850, 4830));
    platform::setBackground(client_, White);
    setCentralWidget(client_);
    // A fixed single border: the window keeps the size its menu bar and client area give it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    drag_ = new platform::DragController(client_);
    for (int i = 0; i < SquareCount; ++i) {
        Block[i] = makeSquare(client_, i);
        drag_->addControl(Block[i], platform::DragController::Mode::Automatic);
    }
    Picture1 = makeArrow(client_, "Picture1", 0, ":/art/arrow-clockwise.png");
    Picture2 = makeArrow(client_, "Picture2", 555, ":/art/arrow-anticlockwise.png");
    drag_->addControl(Picture1, platform::DragController::Mode::Manual);
    drag_->addControl(Picture2, platform::DragController::Mode::Manual);
    showBoard();

    connect(drag_, &platform::DragController::dragOver, this,
            [this](QWidget* target, QWidget*, QPoint) {
                if (int index = blockIndex(target); index >= 0)
                    Block_DragOver(index);
            });
    connect(drag_, &platform::DragController::dragDrop, this,
            [this](QWidget* target, QWidget*, QPoint) {
                if (target == Picture1)
                    Picture1_DragDrop();
                else if (target == Picture2)
                    Picture2_DragDrop();
                else if (int index = blockIndex(target); index >= 0)
                    Block_DragDrop(index);
            });
    // However a drag ends, the next one records its own source.
    connect(drag_, &platform::DragController::dragEnded, this, [this] { cube_.DragStart = -1; });
}

void Form1::buildMenus() {
    using platform::addMenuItem;
    QMenu* game = menuBar()->addMenu("&Game");
    game->setObjectName("GameMenu");
    NewGame = addMenuItem(game, "NewGame", "&New", this, &Form1::NewGame_Click, Qt::Key_F2);
    OpenGame = addMenuItem(game, "OpenGame", "&Open", this, &Form1::OpenGame_Click);
    SaveGame = addMenuItem(game, "SaveGame", "&Save", this, &Form1::SaveGame_Click);
    SaveAs = addMenuItem(game, "SaveAs", "Save &As", this, &Form1::SaveAs_Click);
    game->addSeparator()->setObjectName("blank2");
    difficulty1 =
        addMenuItem(game, "difficulty1", "Difficulty &1", this, &Form1::difficulty1_Click);
    difficulty2 =
        addMenuItem(game, "difficulty2", "Difficulty &2", this, &Form1::difficulty2_Click);
    difficulty1->setCheckable(true);
    difficulty2->setCheckable(true);
    difficulty1->setChecked(true);
    game->addSeparator()->setObjectName("blank");
    Closeit = addMenuItem(game, "Closeit", "E&xit", this, &Form1::Closeit_Click);
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("HelpMenu");
    HelpContent =
        addMenuItem(help, "HelpContent", "&Contents", this, &Form1::HelpContent_Click, Qt::Key_F1);
    HelpAbout = addMenuItem(help, "HelpAbout", "&About", this, &Form1::HelpAbout_Click);
}

int Form1::blockIndex(const QWidget* widget) const {
    for (int i = 0; i < SquareCount; ++i)
        if (Block[i] == widget)
            return i;
    return -1;
}

void Form1::showBoard() {
    for (int i = 0; i < SquareCount; ++i)
        platform::setBackground(Block[i], board_.colour[i]);
}

void Form1::setBoard(const Board& board) {
    board_ = board;
    showBoard();
}

void Form1::Form_Load() {
    shared::Splash::showModal();
    adjustSize();
    platform::centreWindow(this);
    cube_.DragStart = -1;
    buildMoveTables(cube_);
    NewGame_Click();
}

void Form1::Block_DragOver(int index) {
    if (cube_.DragStart == -1)
        cube_.DragStart = index;
}

void Form1::Block_DragDrop(int index) {
    const int source = cube_.DragStart;
    cube_.DragStart = -1;
    if (source == index)
        return;
    if (const std::optional<Move> move = findMove(cube_, source, index)) {
        applyMove(board_, cube_, *move);
        showBoard();
    } else {
        platform::msgBox("Invalid Move");
    }
    if (isSolved(board_))
        platform::msgBox("Winner");
}

void Form1::turnDraggedRing(bool clockwise) {
    const int steps = difficulty2->isChecked() ? 2 : 1;
    for (int step = 0; step < steps; ++step)
        turnRing(board_, cube_.DragStart, clockwise);
    cube_.DragStart = -1;
    showBoard();
}

void Form1::Picture1_DragDrop() {
    turnDraggedRing(true);
}

void Form1::Picture2_DragDrop() {
    turnDraggedRing(false);
}

void Form1::NewGame_Click() {
    setDifficultyEntries(cube_, difficulty2->isChecked() ? 2 : 1);
    scatterNewGame(board_, cube_, *random_);
    showBoard();
    setCurrentFile({});
}

void Form1::difficulty1_Click() {
    difficulty2->setChecked(false);
    difficulty1->setChecked(true);
    NewGame_Click();
}

void Form1::difficulty2_Click() {
    difficulty2->setChecked(true);
    difficulty1->setChecked(false);
    NewGame_Click();
}

void Form1::setCurrentFile(const QString& path) {
    cube_.CurrentFile = path;
    platform::setCaption(this, path.isEmpty() ? Caption : Caption + " - " + path);
}

void Form1::OpenGame_Click() {
    const std::optional<QString> chosen =
        platform::chooseFile(CMDialog1, "Open", platform::CommonDialog::ShowOpen);
    if (!chosen)
        return; // cancelled: nothing changes
    const QString path = *chosen;
    // The whole file is read and checked before anything on the board changes.
    const std::variant<Colours, QString> read = readSquFile(path);
    if (const QString* problem = std::get_if<QString>(&read)) {
        platform::msgBox(QString("The game %1 cannot be opened.\n%2").arg(path, *problem),
                         platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    board_.colour = std::get<Colours>(read);
    showBoard();
    setCurrentFile(path);
}

bool Form1::saveTo(const QString& path) {
    QString problem;
    if (writeSquFile(path, board_.colour, &problem))
        return true;
    platform::msgBox(QString("The game cannot be saved as %1.\n%2").arg(path, problem),
                     platform::Buttons::Ok, platform::Icon::Exclamation);
    return false;
}

void Form1::SaveAs_Click() {
    const std::optional<QString> chosen =
        platform::chooseFile(CMDialog1, "Save", platform::CommonDialog::ShowSave);
    if (chosen && saveTo(*chosen))
        setCurrentFile(*chosen);
}

void Form1::SaveGame_Click() {
    if (!shared::trimBlanks(cube_.CurrentFile).isEmpty())
        saveTo(cube_.CurrentFile);
    else
        SaveAs_Click();
}

void Form1::Closeit_Click() {
    platform::endProgram();
}

void Form1::HelpContent_Click() {
    platform::shell("winhlp32.exe squares.hlp", platform::WindowStyle::NormalFocus);
}

void Form1::HelpAbout_Click() {
    about_.showModal();
}

} // namespace squares
