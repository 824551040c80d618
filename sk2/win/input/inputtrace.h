#pragma once

// The pack's diagnostic trace as the input devices write to it: the Qt logging category "sk2.trace",
// silent unless switched on, for example with QT_LOGGING_RULES="sk2.trace.debug=true". Nothing in the
// game reads it.

#include <QLoggingCategory>
#include <QString>

#include <functional>

namespace sk2::win {

Q_DECLARE_LOGGING_CATEGORY(lcInputTrace)

// Where a device sends its trace lines.
using TraceSink = std::function<void(const QString &line)>;

// Writes one line to the trace category.
void TraceLine(const QString &line);

} // namespace sk2::win
