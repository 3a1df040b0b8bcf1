#include "race.h"

namespace nibbolet {

namespace {

int& moverPos(NIBBOLET1& s) {
    return s.Turn == 0 ? s.Player1Pos : s.Player2Pos;
}

int otherPos(const NIBBOLET1& s) {
    return s.Turn == 0 ? s.Player2Pos : s.Player1Pos;
}

Picture moverPicture(const NIBBOLET1& s) {
    return s.Turn == 0 ? Picture::PurpleMouse : Picture::RedMouse;
}

Picture otherPicture(const NIBBOLET1& s) {
    return s.Turn == 0 ? Picture::RedMouse : Picture::PurpleMouse;
}

// A square as it looks with the mover gone: the other mouse, or nothing.
Picture withoutMover(const NIBBOLET1& s, int square) {
    return otherPos(s) == square ? otherPicture(s) : Picture::Empty;
}

} // namespace

void MoveMouse(NIBBOLET1& s, RaceView& view) {
    const int d = s.DiceValue + 1;
    s.DiceValue = d;
    const int step = d < 1 ? -1 : 1;
    int& position = moverPos(s);
    const int from = position;
    if (from == InStartBox)
        view.showInStartBox(s.Turn, Picture::Empty);
    else
        view.showOnSquare(from, withoutMover(s, from));

    for (int i = from; step > 0 ? i <= from + d : i >= from + d; i += step) {
        if (i > InStartBox) {
            view.showOnSquare(i, moverPicture(s));
            if (i == Cave) {
                position = Cave;
                AnnounceWinner(s, view);
                return;
            }
        }
        if (i != from)
            view.playSound(HopSound);
        if (i > InStartBox)
            view.showOnSquare(i, withoutMover(s, i));
    }
    position = from + d;

    if (s.Player1Pos > InStartBox)
        view.showOnSquare(s.Player1Pos, Picture::PurpleMouse);
    if (s.Player2Pos > InStartBox)
        view.showOnSquare(s.Player2Pos, Picture::RedMouse);
    if (s.Player1Pos > InStartBox && s.Player1Pos == s.Player2Pos)
        view.showOnSquare(s.Player1Pos, Picture::BothMice);
    CheckSpecialSquare(s, view);
}

void CheckSpecialSquare(NIBBOLET1& s, RaceView& view) {
    const int p = moverPos(s);
    if (p == InStartBox)
        return;
    for (int k = 1; k <= SpecialCount; ++k) {
        if (s.SpecialSquare[k] != p)
            continue;
        const SquareEvent& event = squareEvent(k);
        s.EventText = eventText(k);
        s.EventSound = event.sound;
        s.EventPicture = event.picture;
        s.DiceValue = event.move - 1;
        s.EventTitle = eventTitle(k);
        if (s.Player1Pos == p)
            ++s.SquareVisits[p][1];
        if (s.Player2Pos == p)
            ++s.SquareVisits[p][2];
        if (s.SquareVisits[p][s.Turn + 1] < 2) {
            s.MsgDone = false;
            view.showSpecialMessage();
            MoveMouse(s, view);
        }
        return;
    }
}

void AnnounceWinner(NIBBOLET1& s, RaceView& view) {
    const QString& name = s.Player1Pos == Cave ? s.Player1Name : s.Player2Name;
    view.showWinner(name + " is the winner!");
    s.GameOver = 1;
}

void setUpBoard(NIBBOLET1& s, RaceView& view) {
    for (int square = 1; square < SquareCount; ++square)
        s.SquareVisits[square][1] = s.SquareVisits[square][2] = 0;
    if (s.Player1Pos >= 0)
        view.showOnSquare(s.Player1Pos, Picture::Empty);
    if (s.Player2Pos >= 0)
        view.showOnSquare(s.Player2Pos, Picture::Empty);
    view.showInStartBox(0, Picture::PurpleMouse);
    view.showInStartBox(1, Picture::RedMouse);
    view.showOnSquare(Cave, Picture::Cave);
    s.GameOver = 0;
}

void startRace(NIBBOLET1& s, shared::RandomSource& random) {
    s.Player1Pos = s.Player2Pos = InStartBox;
    s.SpecialSquare = drawSpecialSquares(random);
}

QString turnText(const QString& name) {
    return name + "'s Turn";
}

QString changeTurn(NIBBOLET1& s) {
    s.Turn = s.Turn == 0 ? 1 : 0;
    return turnText(s.Turn == 0 ? s.Player1Name : s.Player2Name);
}

} // namespace nibbolet
