#pragma once

// The computer plays the second mouse by timer: a first tick of 100 ms lets the hand-over
// show, the second starts the dice and waits 1000 ms, the third stops them.
namespace nibbolet {

inline constexpr int HandOverMs = 100;
inline constexpr int SpinMs = 1000;

enum class ComputerAction { Nothing, StartDice, StopDice };

struct ComputerTick {
    ComputerAction action;
    int nextIntervalMs; // 0: the timer stops
};

// One tick of the computer's timer; ticks counts the ticks of this turn, 0 between turns.
ComputerTick computerTick(int& ticks);

} // namespace nibbolet
