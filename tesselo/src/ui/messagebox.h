#pragma once

#include "alerts.h"

#include <QMessageBox>

class QWidget;

namespace tesselo {

// A message box with the game's title, text and icon, and an OK button.
void ShowMessageBox(QWidget *parent, AlertIcon icon, const QString &title, const QString &text);

// A question; returns the button chosen (closing the box counts as its last button: No or Cancel).
QMessageBox::StandardButton Ask(QWidget *parent, AlertIcon icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons buttons);

} // namespace tesselo
