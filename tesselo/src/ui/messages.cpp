#include "messages.h"

#include <utility>

namespace tesselo {

namespace {

MessageSink &Sink()
{
    static MessageSink sink;
    return sink;
}

} // namespace

MessageSink SetMessageSink(MessageSink sink)
{
    return std::exchange(Sink(), std::move(sink));
}

void Tell(MessageIcon icon, const QString &title, const QString &text)
{
    if (Sink())
        Sink()(icon, title, text);
}

} // namespace tesselo
