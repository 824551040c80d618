#pragma once

// The real input services of one race window: its key and mouse-button events feed the key state,
// the pointer is the desktop's and the joysticks are SDL's.

#include "inputservices.h"
#include "keystatefeeder.h"
#include "sdljoysticks.h"

namespace sk2::win {

class SystemInput
{
public:
    // Listens to window's key and mouse-button events from now on.
    explicit SystemInput(QObject *window);

    InputServices Services();
    const KeyStateTable &Keys() const { return m_keys; }

private:
    KeyStateTable m_keys;
    KeyStateFeeder m_feeder;
    SystemPointer m_pointer;
    SdlJoysticks m_joysticks;
};

} // namespace sk2::win
