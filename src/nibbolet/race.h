#pragma once

#include "board.h"

#include <QString>
#include <array>

namespace nibbolet {

// What a square or a start box shows.
enum class Picture { Empty, PurpleMouse, RedMouse, BothMice, Cave };

// The game's state, alive as long as the program.
struct NIBBOLET1 {
    int Turn = 0; // 0 = player 1 (purple), 1 = player 2 (red)
    // Before the first game no position has been set: both count as square 0.
    int Player1Pos = 0;
    int Player2Pos = 0;
    int DiceValue = 0;
    SpecialSquares SpecialSquare{};
    std::array<std::array<int, 3>, SquareCount> SquareVisits{}; // [square][player 1 or 2]
    int GameOver = 0;
    QString Player1Name;
    QString Player2Name;
    QString EventText;
    QString EventTitle;
    QString EventPicture;
    QString EventSound;
    bool MsgDone = true;
    int Rolling = 0;
    bool DiceStopped = true;
    bool PlayComputer = false;
    int ComputerTicks = 0;
};

// What the race needs of the window. Each call is done when it returns.
class RaceView {
  public:
    virtual ~RaceView() = default;
    virtual void showOnSquare(int square, Picture picture) = 0;
    virtual void showInStartBox(int player, Picture picture) = 0;
    // Plays the sound with the board as it stands now on the screen.
    virtual void playSound(const QString& name) = 0;
    virtual void showWinner(const QString& text) = 0;
    // Shows the special square's message from the Event fields and returns once it is closed.
    virtual void showSpecialMessage() = 0;
};

inline constexpr char HopSound[] = "Mouse.Wav";

// Moves the mouse of Turn by DiceValue + 1 squares, hop by hop, then wins or checks the
// special square it landed on.
void MoveMouse(NIBBOLET1& state, RaceView& view);
// Fires the special square under the mouse of Turn on that mouse's first landing there.
void CheckSpecialSquare(NIBBOLET1& state, RaceView& view);
void AnnounceWinner(NIBBOLET1& state, RaceView& view);

// New game, before the players are asked: counters cleared, old squares blanked, mice in
// their boxes, the cave on its square.
void setUpBoard(NIBBOLET1& state, RaceView& view);
// New game, once the players are known: both mice in their boxes, special squares drawn.
void startRace(NIBBOLET1& state, shared::RandomSource& random);

// The turn passes to the other player; the label text for the player now to move.
QString changeTurn(NIBBOLET1& state);
QString turnText(const QString& name);

} // namespace nibbolet
