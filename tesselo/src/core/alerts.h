#pragma once

// How code without windows tells the player something: a message box with a title, a text and an icon.
// The program connects a sink that shows the box; tests connect one that records it.
#include <QString>

#include <functional>

enum class AlertIcon { None, Information, Exclamation, Stop };

using AlertSink = std::function<void(AlertIcon icon, const QString &title, const QString &text)>;

// Sets where alerts go and returns where they went before. Without a sink they are dropped.
AlertSink SetAlertSink(AlertSink sink);

void ShowAlert(AlertIcon icon, const QString &title, const QString &text);
