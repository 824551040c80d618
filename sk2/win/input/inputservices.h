#pragma once

// The services an input device polls, handed to it when it is made: the key state, the pointer, the
// joysticks and the trace. SystemInput gives the real ones; tests give a KeyStateTable, a
// ScriptedPointer and ScriptedJoysticks. The services must outlive the devices made with them.

#include "inputtrace.h"
#include "joystickapi.h"
#include "keystate.h"
#include "pointerservice.h"

namespace sk2::win {

struct InputServices
{
    const KeyStateService &keys;
    PointerService &pointer;
    JoystickService &joysticks;
    TraceSink trace = TraceLine;
};

} // namespace sk2::win
