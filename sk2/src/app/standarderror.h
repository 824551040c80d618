#pragma once

#include <functional>

class QWidget;

// Runs an event handler's work. An exception that leaves it is shown in the standard error box and the
// rest of the handler is skipped, as the application does for every handler.
void RunHandler(QWidget *parent, const std::function<void()> &work);
