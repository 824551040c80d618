#include "inputtrace.h"

namespace sk2::win {

Q_LOGGING_CATEGORY(lcInputTrace, "sk2.trace", QtInfoMsg)

void TraceLine(const QString &line)
{
    qCDebug(lcInputTrace).noquote() << line;
}

} // namespace sk2::win
