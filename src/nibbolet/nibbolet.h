#pragma once

#include "mousemsg.h"
#include "platform/picturebox.h"
#include "race.h"
#include "shared/aboutbox.h"
#include "shared/random.h"

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>

class QPushButton;
class QTimer;

namespace nibbolet {

// The Nibbolet window: the spiral board, the start boxes, the dice, whose turn it is, and
// the five buttons along the top.
class Nibbolet : public QWidget, private RaceView {
    Q_OBJECT
  public:
    explicit Nibbolet(shared::RandomSource* random = nullptr);
    ~Nibbolet() override;

    // The new-game sequence: splash, centring, the players question, a fresh board.
    void Form_Load();

    const NIBBOLET1& module() const { return NIBBOLET1_; }
    // The special square's message while it is open, else nullptr.
    MouseMsg* openMessage() const { return message_; }

    std::array<platform::PictureBox*, SquareCount> PlaySquare{};
    platform::PictureBox* PurpleStart;
    platform::PictureBox* RedStart;
    platform::PictureBox* DisplayDice;
    QLabel* PlayerTurnLabel;
    QPushButton* RollDice;
    QPushButton* NewGame;
    QPushButton* GetHelp;
    QPushButton* Command1;
    QPushButton* EndGame;
    QTimer* DiceTimer;
    QTimer* ComputerRoll;

    // The hidden pictures of the window design.
    const QPixmap Picture1;
    const QPixmap Picture2;
    const QPixmap Picture3;
    const QPixmap MouseCave;
    const QPixmap Dice; // the strip of six faces

    void RollDice_Click();
    void DiceTimer_Timer();
    void ComputerRoll_Timer();
    void NewGame_Click();
    void GetHelp_Click();
    void Command1_Click();
    void EndGame_Click();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    // A new face from the dice, with its click.
    void showNewFace();
    const QPixmap& pixmapFor(Picture picture) const;

    void showOnSquare(int square, Picture picture) override;
    void showInStartBox(int player, Picture picture) override;
    void playSound(const QString& name) override;
    void showWinner(const QString& text) override;
    void showSpecialMessage() override;

    NIBBOLET1 NIBBOLET1_;
    shared::GameRandom random_;
    shared::AboutBoxHost about_;
    QPointer<MouseMsg> message_;
    const QPixmap EmptyBox;
    bool faceShownThisRoll_ = false;
};

} // namespace nibbolet
