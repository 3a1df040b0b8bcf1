#include "kavrinth.h"
#include "champions.h"
#include "frmwinner.h"
#include "picktri.h"
#include "pictures.h"
#include "piecesetting.h"
#include "platform/clientarea.h"
#include "platform/dragcontroller.h"
#include "platform/filenames.h"
#include "platform/fonts.h"
#include "platform/helplaunch.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "shared/files.h"
#include "shared/splash.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QTimer>

namespace kavrinth {

namespace {

using platform::Buttons;
using platform::DragController;
using platform::Icon;

constexpr unsigned White = 0x00FFFFFF;

QRect holeGeometry(int hole) {
    const int r = rowOfHole(hole), c = columnOfHole(hole);
    int left = 4125 - 570 * (r - 1) + 1140 * (c - 1);
    if (left == 5265)
        left = 5263;
    return platform::twipsRect(left, 705 + 465 * (r - 1), 540, 525);
}

QLabel* hiddenPicture(QWidget* parent, const QString& name, int left, int top,
                      const QString& picture) {
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setPixmap(QPixmap(picture));
    box->move(platform::twipsPoint(left, top));
    box->adjustSize(); // sized to its picture
    box->hide();
    return box;
}

void oops(const QString& text) {
    platform::msgBox(text, Buttons::Ok, Icon::Critical, "Oops");
}

} // namespace

Kavrinth::Kavrinth()
    : about_(shared::AboutGame::Kavrinth, QPixmap(":/art/kavrinth-icon.png"), this) {
    setObjectName("Kavrinth");
    setWindowTitle("Kavrinth");
    setWindowIcon(QIcon(":/art/kavrinth-icon.png"));
    buildControls();
    buildMenus();
}

Kavrinth::~Kavrinth() = default;

void Kavrinth::buildControls() {
    client_ = new platform::ClientArea(platform::twipsSize(8790, 5475), this);
    client_->setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    platform::setBackground(client_, Magenta);
    setCentralWidget(client_);
    drag_ = new DragController(client_);
    for (int n = 1; n <= MaxHoles; ++n) {
        peg[n] = new PictureBox(client_);
        peg[n]->setObjectName(QString("peg%1").arg(n));
        peg[n]->setGeometry(holeGeometry(n));
        platform::setBackground(peg[n], Magenta);
        peg[n]->setPixmap(piecePicture(DefaultPiece));
        drag_->addControl(peg[n], DragController::Mode::Manual);
        connect(peg[n], &PictureBox::clicked, this, [this, n] { peg_Click(n); });
    }
    Picture1 = new QWidget(client_);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(platform::twipsRect(0, 5145, 8790, 330));
    platform::setBackground(Picture1, White);
    platform::alignToBottom(Picture1);
    YourScore = new QLabel(Picture1);
    YourScore->setObjectName("YourScore");
    YourScore->setGeometry(platform::twipsRect(60, 60, 2535, 240));
    YourScore->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    YourTime = new QLabel(Picture1);
    YourTime->setObjectName("YourTime");
    YourTime->setGeometry(platform::twipsRect(6105, 45, 2535, 270));
    YourTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette black = YourTime->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    YourScore->setPalette(black);
    YourTime->setPalette(black);
    trffc10c = hiddenPicture(client_, "trffc10c", 525, 45, ":/art/kavrinth-drag-piece.png");
    trihemp = hiddenPicture(client_, "trihemp", 1065, 45, ":/art/kavrinth-hole.png");
    trffc10a = hiddenPicture(client_, "trffc10a", 1725, 75, ":/art/kavrinth-drag-empty.png");
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Kavrinth::Timer1_Timer);
    Timer1->start();

    connect(drag_, &DragController::dragOver, this, [this](QWidget* target) {
        if (int n = pegIndex(target); n > 0)
            peg_DragOver(n);
    });
    connect(drag_, &DragController::dragDrop, this, [this](QWidget* target) {
        if (int n = pegIndex(target); n > 0)
            peg_DragDrop(n);
    });
    connect(drag_, &DragController::formDragDrop, this, &Kavrinth::Form_DragDrop);
    // However a drag ends, the next one records its own source.
    connect(drag_, &DragController::dragEnded, this, [this] {
        game_.DragSource = 0;
        game_.JumpedHole = 0;
    });
}

void Kavrinth::buildMenus() {
    using platform::addMenuItem;
    QMenu* gameMenu = menuBar()->addMenu("&Game");
    gameMenu->setObjectName("Game");
    Newgame = addMenuItem(gameMenu, "Newgame", "&New", this, &Kavrinth::Newgame_Click, Qt::Key_F2);
    gameMenu->addSeparator()->setObjectName("whocares1");
    Level1 = addMenuItem(gameMenu, "Level1", "Level &1", this, &Kavrinth::Level1_Click);
    Level2 = addMenuItem(gameMenu, "Level2", "Level &2", this, &Kavrinth::Level2_Click);
    Level3 = addMenuItem(gameMenu, "Level3", "Level &3", this, &Kavrinth::Level3_Click);
    for (QAction* level : {Level1, Level2, Level3})
        level->setCheckable(true);
    gameMenu->addSeparator()->setObjectName("whocares2");
    Changpiece =
        addMenuItem(gameMenu, "Changpiece", "&Change Piece", this, &Kavrinth::Changpiece_Click);
    listchamps =
        addMenuItem(gameMenu, "listchamps", "&List Champs", this, &Kavrinth::listchamps_Click);
    resetem = addMenuItem(gameMenu, "resetem", "&Reset Champs", this, &Kavrinth::resetem_Click);
    Exitgame = addMenuItem(gameMenu, "Exitgame", "E&xit", this, &Kavrinth::Exitgame_Click);
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("helpme");
    rules = addMenuItem(help, "rules", "&Contents", this, &Kavrinth::rules_Click, Qt::Key_F1);
    About = addMenuItem(help, "About", "&About", this, &Kavrinth::About_Click);
}

int Kavrinth::pegIndex(const QWidget* widget) const {
    for (int n = 1; n <= MaxHoles; ++n)
        if (peg[n] == widget)
            return n;
    return 0;
}

void Kavrinth::Form_Load() {
    shared::Splash::showModal();
    resize(sizeHint()); // the design size, also where the screen is smaller
    platform::centreWindow(this);
    Level1_Click();
}

void Kavrinth::showHole(int hole) {
    const bool piece = game_.Board[hole] == Piece;
    peg[hole]->setPixmap(piece ? piecePicture(pieceIndex(game_.PieceSetting)) : trihemp->pixmap());
    drag_->setDragIcon(peg[hole], piece ? trffc10c->pixmap() : trffc10a->pixmap());
}

void Kavrinth::StartNewGame() {
    startNewGame(game_);
    const PieceFileRead read = readPieceSetting(PieceFile);
    if (read.setting)
        game_.PieceSetting = *read.setting;
    if (read.state == PieceFileState::NotCreated && !toldPieceFileProblem_) {
        toldPieceFileProblem_ = true;
        platform::msgBox("The chosen piece cannot be kept in this folder.\n" + read.problem,
                         Buttons::Ok, Icon::Exclamation);
    }
    for (int h = 1; h <= game_.HoleCount; ++h) {
        showHole(h);
        drag_->setMode(peg[h], DragController::Mode::Manual);
    }
    YourScore->setText("Score: 0");
    YourTime->setText("Time: 0");
}

void Kavrinth::peg_Click(int index) {
    if (!openingRemoval(game_, index))
        return;
    showHole(index);
    YourScore->setText("Score: 25");
    for (int h = 1; h <= game_.HoleCount; ++h)
        drag_->setMode(peg[h], DragController::Mode::Automatic);
}

void Kavrinth::peg_DragOver(int index) {
    switch (dragOver(game_, index)) {
    case DragOver::GameIsOver:
        drag_->cancelDrag();
        oops(GameIsOverText);
        break;
    case DragOver::NoPieceThere:
        drag_->cancelDrag();
        oops(NoPieceText);
        break;
    case DragOver::OverEmptyHole:
        drag_->setDragIcon(peg[game_.DragSource], trffc10a->pixmap());
        break;
    case DragOver::OverPiece:
        drag_->setDragIcon(peg[game_.DragSource], trffc10c->pixmap());
        break;
    case DragOver::Nothing:
        break;
    }
}

void Kavrinth::peg_DragDrop(int index) {
    const DropOutcome outcome = drop(game_, index);
    switch (outcome.result) {
    case Drop::OwnHole:
        return;
    case Drop::Occupied:
        oops(OccupiedText);
        return;
    case Drop::Invalid:
        oops(InvalidMoveText);
        break;
    case Drop::Jumped:
        YourScore->setText(scoreCaption(game_.Score));
        showHole(outcome.source);
        showHole(outcome.jumped);
        showHole(index);
        break;
    }
    if (outcome.gameOver) {
        YourScore->setText(scoreCaption(game_.Score));
        platform::msgBox(gameOverText(game_), Buttons::Ok, Icon::Information, "Game Over");
        championsCheck();
    }
}

void Kavrinth::Form_DragDrop() {
    game_.DragSource = 0;
}

void Kavrinth::Timer1_Timer() {
    if (!clockTick(game_))
        return;
    YourTime->setText(timeCaption(game_.ElapsedSeconds));
    YourScore->setText(scoreCaption(game_.Score));
}

void Kavrinth::championsCheck() {
    LoadedChampions loaded = loadChampions(ChampionsFile);
    if (loaded.state == FileState::Missing) {
        loaded.list = defaultChampions();
        QString problem;
        if (!shared::saveFile(platform::resolveFileName(ChampionsFile), championsBytes(loaded.list),
                              &problem))
            platform::msgBox("The champions cannot be kept in this folder.\n" + problem,
                             Buttons::Ok, Icon::Exclamation, "Champs");
    } else if (loaded.state != FileState::Read) {
        platform::msgBox(ChampsNotAvailable, Buttons::Ok, Icon::Information, "Champs");
        return;
    }
    if (!qualifies(loaded.list, game_.Score))
        return;
    if (!winner_)
        winner_ = new frmWinner(game_, this);
    winner_->showModal();
}

void Kavrinth::Newgame_Click() {
    StartNewGame();
}

void Kavrinth::setLevel(int level) {
    game_.HoleCount = holeCountForLevel(level);
    Level1->setChecked(level == 1);
    Level2->setChecked(level == 2);
    Level3->setChecked(level == 3);
    for (int n = 1; n <= MaxHoles; ++n)
        peg[n]->setVisible(n <= game_.HoleCount);
    StartNewGame();
}

void Kavrinth::Level1_Click() {
    setLevel(1);
}

void Kavrinth::Level2_Click() {
    setLevel(2);
}

void Kavrinth::Level3_Click() {
    setLevel(3);
}

void Kavrinth::Changpiece_Click() {
    {
        picktri picker(this);
        picker.exec();
    }
    StartNewGame();
}

void Kavrinth::listchamps_Click() {
    const LoadedChampions loaded = loadChampions(ChampionsFile);
    if (loaded.state != FileState::Read) {
        platform::msgBox(ChampsNotAvailable, Buttons::Ok, Icon::Information, "Champs");
        return;
    }
    platform::msgBox(championsListText(loaded.list), Buttons::Ok, Icon::None, "Champs");
}

void Kavrinth::resetem_Click() {
    if (platform::msgBox("Delete Champs?", Buttons::YesNo, Icon::Question, "Are you sure?") !=
        platform::Answer::Yes)
        return;
    const QString path = platform::resolveFileName(ChampionsFile);
    const QFileInfo file(path);
    if (!file.exists() && !file.isSymLink()) {
        platform::msgBox("Champs were previously reset", Buttons::Ok, Icon::None, "Oops");
        return;
    }
    QFile champions(path);
    if (!file.isFile() || !champions.remove()) {
        platform::msgBox("The champions could not be deleted.", Buttons::Ok, Icon::Exclamation,
                         "Oops");
        return;
    }
    platform::msgBox("Champs were reset", Buttons::Ok, Icon::None, "Kavrinth");
}

void Kavrinth::Exitgame_Click() {
    platform::endProgram();
}

void Kavrinth::rules_Click() {
    platform::shell("winhlp32 kavrinth.hlp", platform::WindowStyle::NormalFocus);
}

void Kavrinth::About_Click() {
    about_.showModal();
}

} // namespace kavrinth
