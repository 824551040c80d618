#pragma once

class QString;
class QWidget;

// The standard message box: the application's name as its title, the text and an OK button. As in the
// original message box, a lone carriage return in the text starts a new line.
void ShowMessage(QWidget *parent, const QString &text);
