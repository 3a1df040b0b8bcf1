#include "nibbolet/race.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace nibbolet;

namespace {

// Keeps what the board shows and what was heard and said; answers OK to every message.
class Race : public ::testing::Test, public RaceView {
  protected:
    Race() {
        state.Player1Name = "Ann";
        state.Player2Name = "Bob";
        state.SpecialSquare.fill(-1);
        state.Player1Pos = state.Player2Pos = InStartBox;
    }
    void showOnSquare(int square, Picture picture) override { squares[square] = picture; }
    void showInStartBox(int, Picture) override {}
    void playSound(const QString&) override { ++hops; }
    void showWinner(const QString& text) override { said << text; }
    void showSpecialMessage() override {
        said << state.EventTitle + ": " + state.EventText.section(QChar(13), 0, 0);
        state.MsgDone = true;
    }
    void move(int player, int from, int roll) {
        state.Turn = player;
        (player == 0 ? state.Player1Pos : state.Player2Pos) = from;
        state.DiceValue = roll - 1;
        hops = 0;
        MoveMouse(state, *this);
    }

    NIBBOLET1 state;
    std::array<Picture, SquareCount> squares{};
    int hops = 0;
    QStringList said;
};

} // namespace

TEST_F(Race, ReachingTheCaveWinsAtOnceWithoutLookingAtSpecialSquares) {
    state.SpecialSquare[8] = 59;
    move(1, 57, 6);
    EXPECT_EQ(state.Player2Pos, 60);
    EXPECT_EQ(hops, 2);
    EXPECT_EQ(squares[60], Picture::RedMouse);
    EXPECT_EQ(said, QStringList{"Bob is the winner!"});
    EXPECT_EQ(state.GameOver, 1);
    // A dumpster's "Move forward 5." from 58 passes the cave: a win too.
    state.SpecialSquare[3] = 58;
    move(0, 55, 3);
    EXPECT_EQ(state.Player1Pos, 60);
    EXPECT_EQ(said.mid(1),
              QStringList({"Good News: Here you find a dumpster.", "Ann is the winner!"}));
}

TEST_F(Race, MovesBackAndChainsOfSpecialSquares) {
    state.SpecialSquare[10] = 7; // back 6
    move(0, 4, 3);
    EXPECT_EQ(state.Player1Pos, 1);
    EXPECT_EQ(hops, 9);
    EXPECT_EQ(squares[7], Picture::Empty);
    state.SpecialSquare[1] = 10; // forward 3
    state.SpecialSquare[7] = 13; // forward 5
    move(1, 7, 3);
    EXPECT_EQ(state.Player2Pos, 18);
    EXPECT_EQ(said, QStringList({"Bad News: Here you find the Farmer's Wife.",
                                 "Good News: Here you find a piece of swiss.",
                                 "Good News: Here you find a garbage truck."}));
}
