#pragma once

// Messages for the player from code that has no window of its own. The frame window shows them in
// message boxes; tests collect them.
#include <QString>

#include <functional>

namespace tesselo {

enum class MessageIcon { None, Information, Exclamation, Stop };

using MessageSink = std::function<void(MessageIcon icon, const QString &title, const QString &text)>;

// Sets where messages go and returns where they went before. Without a sink they are dropped.
MessageSink SetMessageSink(MessageSink sink);

void Tell(MessageIcon icon, const QString &title, const QString &text);

} // namespace tesselo
