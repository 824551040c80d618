#pragma once

class QString;

namespace sk2 {

// What the track editor tells the user and how it waits: message boxes, beeps and pauses. The editor
// shows dialogs through this, so that tests can answer them and need not wait.
class EditorFeedback
{
public:
    virtual ~EditorFeedback() = default;

    // Waits while the window stays drawn; the user's input waits too.
    virtual void Pause(int milliseconds) = 0;
    virtual void Beep() = 0;
    // A message box with an OK button: an error, a piece of information, or the standard box for an
    // error that stopped a command.
    virtual void ShowError(const QString &text) = 0;
    virtual void ShowInformation(const QString &text) = 0;
    virtual void ShowException(const QString &text) = 0;
};

} // namespace sk2
