#include "nibbolet/race.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace nibbolet;

namespace {

// Keeps what the board shows and what was heard and said, and answers OK to every message.
class Board : public RaceView {
  public:
    explicit Board(NIBBOLET1& state) : state(state) {}
    void showOnSquare(int square, Picture picture) override { squares[square] = picture; }
    void showInStartBox(int player, Picture picture) override { boxes[player] = picture; }
    void playSound(const QString& name) override {
        EXPECT_EQ(name, "Mouse.Wav");
        ++hops;
    }
    void showWinner(const QString& text) override { said << text; }
    void showSpecialMessage() override {
        EXPECT_FALSE(state.MsgDone);
        said << state.EventTitle + ": " + state.EventText.section(QChar(13), 0, 0);
        state.MsgDone = true;
    }

    NIBBOLET1& state;
    std::array<Picture, SquareCount> squares{};
    std::array<Picture, 2> boxes{};
    int hops = 0;
    QStringList said;
};

class Race : public ::testing::Test {
  protected:
    Race() {
        state.Player1Name = "Ann";
        state.Player2Name = "Bob";
        state.SpecialSquare.fill(-1);
        state.Player1Pos = state.Player2Pos = InStartBox;
    }
    // Puts row k of the event table on a square.
    void special(int k, int square) { state.SpecialSquare[k] = square; }
    void move(int player, int from, int roll) {
        state.Turn = player;
        (player == 0 ? state.Player1Pos : state.Player2Pos) = from;
        state.DiceValue = roll - 1;
        board.hops = 0;
        MoveMouse(state, board);
    }

    NIBBOLET1 state;
    Board board{state};
};

} // namespace

TEST_F(Race, ARollFromTheStartBoxCountsSquareZeroAsTheFirst) {
    move(0, InStartBox, 1);
    EXPECT_EQ(state.Player1Pos, 0);
    EXPECT_EQ(board.hops, 1);
    EXPECT_EQ(board.boxes[0], Picture::Empty);
    move(1, InStartBox, 6);
    EXPECT_EQ(state.Player2Pos, 5);
    EXPECT_EQ(board.hops, 6);
    EXPECT_EQ(board.squares[0], Picture::PurpleMouse);
    EXPECT_EQ(board.squares[5], Picture::RedMouse);
    EXPECT_EQ(board.squares[3], Picture::Empty);
}

TEST_F(Race, ReachingTheCaveWinsAtOnceWithoutLookingAtSpecialSquares) {
    special(8, 59);
    move(1, 57, 6);
    EXPECT_EQ(state.Player2Pos, 60);
    EXPECT_EQ(board.hops, 2);
    EXPECT_EQ(board.squares[60], Picture::RedMouse);
    EXPECT_EQ(board.said, QStringList{"Bob is the winner!"});
    EXPECT_EQ(state.GameOver, 1);
    // Exactly onto the cave, and by a special square's move past it.
    special(3, 58);
    state.GameOver = 0;
    move(0, 55, 3);
    EXPECT_EQ(state.Player1Pos, 60);
    EXPECT_EQ(board.said.mid(1),
              QStringList({"Good News: Here you find a dumpster.", "Ann is the winner!"}));
}

TEST_F(Race, MoveBackSixFromSquareSevenEndsOnSquareOne) {
    special(10, 7);
    move(0, 4, 3);
    EXPECT_EQ(state.Player1Pos, 1);
    EXPECT_EQ(board.hops, 9);
    EXPECT_EQ(board.squares[7], Picture::Empty);
    EXPECT_EQ(board.said, QStringList{"Bad News: Here you find the Farmer's Wife."});
}

TEST_F(Race, ASpecialSquareSpeaksOnEachMousesFirstLandingOnly) {
    special(14, 20);
    move(0, 17, 3);
    EXPECT_EQ(state.Player1Pos, 17);
    move(0, 17, 3);
    EXPECT_EQ(state.Player1Pos, 20);
    move(1, 14, 6);
    EXPECT_EQ(state.Player2Pos, 17);
    EXPECT_EQ(board.said, QStringList(2, "Bad News: Here you find a tabby cat."));
    EXPECT_EQ(state.SquareVisits[20][1], 3); // also raised while the red mouse lands there
    EXPECT_EQ(state.SquareVisits[20][2], 1);
}

TEST_F(Race, ForwardMovesChainFromSpecialSquareToSpecialSquare) {
    special(1, 10);
    special(7, 13);
    move(0, 7, 3);
    EXPECT_EQ(state.Player1Pos, 18);
    EXPECT_EQ(board.said, QStringList({"Good News: Here you find a piece of swiss.",
                                       "Good News: Here you find a garbage truck."}));
}

TEST_F(Race, TwoMiceOnOneSquareShowTogetherAndApartAgain) {
    move(0, InStartBox, 3);
    move(1, InStartBox, 3);
    EXPECT_EQ(board.squares[2], Picture::BothMice);
    move(0, 2, 2);
    EXPECT_EQ(board.squares[2], Picture::RedMouse);
    EXPECT_EQ(board.squares[4], Picture::PurpleMouse);
}

TEST_F(Race, ANewBoardClearsTheOldGame) {
    state.Player1Pos = 60;
    state.Player2Pos = 12;
    state.SquareVisits[30][1] = state.SquareVisits[30][2] = 1;
    state.GameOver = 1;
    setUpBoard(state, board);
    EXPECT_EQ(board.squares[12], Picture::Empty);
    EXPECT_EQ(board.squares[60], Picture::Cave);
    EXPECT_EQ(board.boxes[0], Picture::PurpleMouse);
    EXPECT_EQ(board.boxes[1], Picture::RedMouse);
    EXPECT_EQ(state.SquareVisits[30][1] + state.SquareVisits[30][2] + state.GameOver, 0);
}
