#pragma once

// The one exception type of the component pack: bad library files, images out of range, a display that
// cannot be opened. Its message is meant for the user.

#include <QString>

#include <stdexcept>

namespace sk2::dgc {

class EDGCError : public std::runtime_error
{
public:
    explicit EDGCError(const QString &message)
        : std::runtime_error(message.toStdString())
    {}
};

} // namespace sk2::dgc
