#pragma once

// The pack's diagnostic trace: a Qt logging category, "sk2.trace", silent unless enabled (for example
// QT_LOGGING_RULES="sk2.trace.debug=true"). Nothing in the game reads it; tests may listen in.

#include <QLoggingCategory>
#include <QString>

#include <functional>

namespace sk2::dgc {

Q_DECLARE_LOGGING_CATEGORY(lcTrace)

// Writes one line to the trace.
void Trace(const QString &line);

// Every traced line is also handed to listener (tests); an empty function removes it.
void SetTraceListener(std::function<void(const QString &)> listener);

} // namespace sk2::dgc
