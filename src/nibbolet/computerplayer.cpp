#include "computerplayer.h"

namespace nibbolet {

ComputerTick computerTick(int& ticks) {
    ++ticks;
    if (ticks == 1)
        return {ComputerAction::Nothing, HandOverMs};
    if (ticks == 2)
        return {ComputerAction::StartDice, SpinMs};
    ticks = 0;
    return {ComputerAction::StopDice, 0};
}

} // namespace nibbolet
