#pragma once

#include <exception>

class QWidget;

// The application's standard error box: an error icon, the application's name as the title, the
// exception's message ended by a full stop, and an OK button.
void ShowErrorBox(QWidget *parent, const std::exception &error);
