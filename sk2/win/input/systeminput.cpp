#include "systeminput.h"

namespace sk2::win {

SystemInput::SystemInput(QObject *window)
    : m_feeder(m_keys)
{
    m_feeder.Watch(window);
}

InputServices SystemInput::Services()
{
    return InputServices{m_keys, m_pointer, m_joysticks};
}

} // namespace sk2::win
