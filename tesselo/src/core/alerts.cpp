#include "alerts.h"

#include <utility>

namespace {

AlertSink &Sink()
{
    static AlertSink sink;
    return sink;
}

} // namespace

AlertSink SetAlertSink(AlertSink sink)
{
    return std::exchange(Sink(), std::move(sink));
}

void ShowAlert(AlertIcon icon, const QString &title, const QString &text)
{
    if (Sink())
        Sink()(icon, title, text);
}
