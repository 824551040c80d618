#pragma once

#include "messages.h"

#include <QMessageBox>

class QWidget;

namespace tesselo {

// A message box with the game's title, text and icon, and an OK button.
void ShowMessageBox(QWidget *parent, MessageIcon icon, const QString &title, const QString &text);

// A question; returns the button chosen (closing the box counts as its last button: No or Cancel).
QMessageBox::StandardButton Ask(QWidget *parent, MessageIcon icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons buttons);

} // namespace tesselo
