#include "trace.h"

namespace sk2::dgc {

Q_LOGGING_CATEGORY(lcTrace, "sk2.trace", QtInfoMsg)

namespace {
std::function<void(const QString &)> &listener()
{
    static std::function<void(const QString &)> current;
    return current;
}
} // namespace

void Trace(const QString &line)
{
    qCDebug(lcTrace).noquote() << line;
    if (listener())
        listener()(line);
}

void SetTraceListener(std::function<void(const QString &)> newListener)
{
    listener() = std::move(newListener);
}

} // namespace sk2::dgc
