#include "nibbolet.h"
#include "computerplayer.h"
#include "mousemsg.h"
#include "platform/fonts.h"
#include "platform/helplaunch.h"
#include "platform/picturestrip.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "shared/sound.h"
#include "shared/splash.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace nibbolet {

namespace {

constexpr unsigned Black = 0x000000;
constexpr unsigned White = 0xFFFFFF;
constexpr unsigned Blue = 0xFF0000;
constexpr int DiceTickMs = 25;
const QString Icon = ":/art/nibbolet-icon.bmp";
const QString ClickSound = "dClk.Wav";

template <typename Box> Box* makeBox(QWidget* parent, const QString& name, QRect twips) {
    auto* box = new Box(parent);
    box->setObjectName(name);
    box->setGeometry(platform::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return box;
}

platform::PictureBox* makePictureBox(QWidget* parent, const QString& name, QRect twips) {
    return makeBox<platform::PictureBox>(parent, name, twips);
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, int left) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(platform::twipsRect(left, 0, 1185, 300));
    return button;
}

void drawRoundedBox(QPainter& painter, QRect twips, unsigned bgr) {
    const QRect box = platform::twipsRect(twips.x(), twips.y(), twips.width(), twips.height())
                          .adjusted(0, 0, -1, -1);
    const int radius = std::min(box.width(), box.height()) / 8;
    painter.setPen(Qt::black);
    painter.setBrush(platform::colourFromBgr(bgr));
    painter.drawRoundedRect(box, radius, radius);
}

} // namespace

Nibbolet::Nibbolet(shared::RandomSource* random)
    : Picture1(":/art/purple-mouse.bmp"), Picture2(":/art/red-mouse.bmp"),
      Picture3(":/art/both-mice.bmp"), MouseCave(":/art/cave.bmp"), Dice(":/art/dice.bmp"),
      random_(random), about_(shared::AboutGame::Nibbolet, QPixmap(Icon), this) {
    setObjectName("Nibbolet");
    setWindowTitle("Nibbolet");
    setWindowIcon(QIcon(Icon));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(platform::twipsSize(6735, 6570));
    setFont(platform::mappedFont("MS Sans Serif", 8.25, true));
    platform::setBackground(this, Black);
    buildControls();
}

Nibbolet::~Nibbolet() {
    delete message_;
}

void Nibbolet::buildControls() {
    RollDice = makeButton(this, "RollDice", "&Roll Dice", 15);
    NewGame = makeButton(this, "NewGame", "&New Game", 1185);
    GetHelp = makeButton(this, "GetHelp", "&Help", 2355);
    Command1 = makeButton(this, "Command1", "&About", 3525);
    EndGame = makeButton(this, "EndGame", "E&xit", 4695);
    connect(RollDice, &QPushButton::clicked, this, &Nibbolet::RollDice_Click);
    connect(NewGame, &QPushButton::clicked, this, &Nibbolet::NewGame_Click);
    connect(GetHelp, &QPushButton::clicked, this, &Nibbolet::GetHelp_Click);
    connect(Command1, &QPushButton::clicked, this, &Nibbolet::Command1_Click);
    connect(EndGame, &QPushButton::clicked, this, &Nibbolet::EndGame_Click);

    for (int i = 0; i < SquareCount; ++i) {
        PlaySquare[i] = makePictureBox(this, QString("PlaySquare%1").arg(i), squareRect(i));
        PlaySquare[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        platform::setBackground(PlaySquare[i], White);
    }
    PlaySquare[Cave]->setPicture(MouseCave);
    PurpleStart = makePictureBox(this, "PurpleStart", {150, 960, 495, 465});
    platform::setBackground(PurpleStart, White);
    RedStart = makePictureBox(this, "RedStart", {765, 945, 480, 480});
    platform::setBackground(RedStart, White);
    DisplayDice = makePictureBox(this, "DisplayDice", {3165, 3075, 885, 735});
    platform::setBackground(DisplayDice, Blue);
    PlayerTurnLabel = makeBox<QLabel>(this, "PlayerTurnLabel", {1890, 3960, 3255, 360});
    PlayerTurnLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PlayerTurnLabel->setTextFormat(Qt::PlainText);
    platform::setBackground(PlayerTurnLabel, Blue);

    DiceTimer = new QTimer(this);
    DiceTimer->setObjectName("DiceTimer");
    connect(DiceTimer, &QTimer::timeout, this, &Nibbolet::DiceTimer_Timer);
    ComputerRoll = new QTimer(this);
    ComputerRoll->setObjectName("ComputerRoll");
    connect(ComputerRoll, &QTimer::timeout, this, &Nibbolet::ComputerRoll_Timer);
}

void Nibbolet::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawRoundedBox(painter, {15, 465, 6705, 5985}, Blue);
    drawRoundedBox(painter, {705, 870, 585, 600}, White);
    drawRoundedBox(painter, {105, 870, 585, 600}, White);
}

void Nibbolet::closeEvent(QCloseEvent* event) {
    event->accept();
    platform::endProgram();
}

void Nibbolet::Form_Load() {
    // A computer turn handed over but not yet rolled belongs to the old game: stopped before
    // the splash window, whose wait would let it roll.
    ComputerRoll->stop();
    NIBBOLET1_.ComputerTicks = 0;
    RollDice->setEnabled(true);
    shared::Splash::showModal();
    platform::centreWindow(this);
    random_->reseedFromTime();
    setUpBoard(NIBBOLET1_, *this);

    const platform::Answer answer =
        platform::msgBox("Are you playing a person?", platform::Buttons::YesNoCancel,
                         platform::Icon::Question, "Person or Computer");
    if (answer == platform::Answer::Cancel) {
        platform::endProgram();
        return;
    }
    NIBBOLET1_.PlayComputer = answer != platform::Answer::Yes;
    const QString first = platform::inputBox("Enter Player 1 Name", "Get Players").value_or("");
    const QString second =
        NIBBOLET1_.PlayComputer
            ? QString("Computer")
            : platform::inputBox("Enter Player 2 Name", "Get Players").value_or("");
    if (first.trimmed().isEmpty() || second.trimmed().isEmpty()) {
        platform::endProgram();
        return;
    }
    NIBBOLET1_.Player1Name = first;
    NIBBOLET1_.Player2Name = second;
    NIBBOLET1_.Turn = 0;
    PlayerTurnLabel->setText(turnText(first));
    startRace(NIBBOLET1_, *random_);
}

void Nibbolet::RollDice_Click() {
    NIBBOLET1& s = NIBBOLET1_;
    if (s.GameOver == 1) {
        platform::msgBox("You must start a new game.", platform::Buttons::Ok, platform::Icon::None,
                         "Game is Over");
        return;
    }
    if (s.Rolling != 0) {
        s.DiceStopped = true;
        RollDice->setText("&Roll Dice");
        DiceTimer->stop();
        s.Rolling = 0;
        // Stopped before the first tick: the dice still show a face of this roll.
        if (!faceShownThisRoll_)
            showNewFace();
        MoveMouse(s, *this);
        if (s.GameOver == 1) {
            s.Turn = 0;
            return;
        }
        PlayerTurnLabel->setText(changeTurn(s));
    } else {
        RollDice->setText("&STOP");
        DiceTimer->start(DiceTickMs);
        s.DiceStopped = false;
        s.Rolling = 1;
        faceShownThisRoll_ = false;
    }
    if (s.PlayComputer && s.Turn == 1 && s.Rolling == 0) {
        ComputerRoll->start(HandOverMs);
        PurpleStart->setFocus();
        RollDice->setEnabled(false);
    }
}

void Nibbolet::DiceTimer_Timer() {
    if (!NIBBOLET1_.DiceStopped)
        showNewFace();
}

void Nibbolet::showNewFace() {
    NIBBOLET1_.DiceValue = shared::randomBelow(*random_, 6);
    shared::playWave(ClickSound);
    DisplayDice->setPicture(platform::pictureCell(Dice, 1, 6, NIBBOLET1_.DiceValue));
    faceShownThisRoll_ = true;
}

void Nibbolet::ComputerRoll_Timer() {
    const ComputerTick tick = computerTick(NIBBOLET1_.ComputerTicks);
    if (tick.nextIntervalMs == 0)
        ComputerRoll->stop();
    else if (ComputerRoll->interval() != tick.nextIntervalMs)
        ComputerRoll->start(tick.nextIntervalMs);
    if (tick.action == ComputerAction::Nothing)
        return;
    RollDice_Click();
    if (tick.action == ComputerAction::StopDice) {
        RollDice->setEnabled(true);
        RollDice->setFocus();
    }
}

void Nibbolet::NewGame_Click() {
    if (NIBBOLET1_.Rolling == 1) {
        platform::msgBox("Rolling Dice", platform::Buttons::Ok, platform::Icon::None, "Not Now");
        return;
    }
    Form_Load();
}

void Nibbolet::GetHelp_Click() {
    platform::shell("winhlp32.exe nibbolet.hlp", platform::WindowStyle::MaximizedFocus);
}

void Nibbolet::Command1_Click() {
    about_.showModal();
}

void Nibbolet::EndGame_Click() {
    platform::endProgram();
}

const QPixmap& Nibbolet::pixmapFor(Picture picture) const {
    switch (picture) {
    case Picture::PurpleMouse:
        return Picture1;
    case Picture::RedMouse:
        return Picture2;
    case Picture::BothMice:
        return Picture3;
    case Picture::Cave:
        return MouseCave;
    case Picture::Empty:
        break;
    }
    return EmptyBox;
}

void Nibbolet::showOnSquare(int square, Picture picture) {
    PlaySquare[square]->setPicture(pixmapFor(picture));
}

void Nibbolet::showInStartBox(int player, Picture picture) {
    (player == 0 ? PurpleStart : RedStart)->setPicture(pixmapFor(picture));
}

void Nibbolet::playSound(const QString& name) {
    // The sound blocks: paint the hop now, so the mouse is seen where it stands.
    repaint();
    shared::playWave(name);
}

void Nibbolet::showWinner(const QString& text) {
    platform::msgBox(text, platform::Buttons::Ok, platform::Icon::None, "Congratulations");
}

void Nibbolet::showSpecialMessage() {
    // The message's sound blocks before its window shows: the board as the move left it.
    repaint();
    message_ = new MouseMsg(NIBBOLET1_, this);
    message_->Form_Load();
    if (!NIBBOLET1_.MsgDone)
        setEnabled(false);
    while (!NIBBOLET1_.MsgDone)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace nibbolet
