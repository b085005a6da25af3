// SeriesState.cpp - the values of the current series and of the last check run, shared application-wide.
#include "series/SeriesState.h"

namespace quil {

SeriesState& State()
{
    static SeriesState state;
    return state;
}

void ResetState()
{
    State() = SeriesState{};
}

}  // namespace quil
