#pragma once

#include "editorfeedback.h"

#include <QPointer>
#include <QWidget>

namespace sk2 {

// The editor's feedback as the user meets it: message boxes over the editor, the system beep, and
// pauses during which the window is redrawn but mouse and keys wait.
class DialogFeedback : public EditorFeedback
{
public:
    explicit DialogFeedback(QWidget *parent = nullptr)
        : m_parent(parent)
    {}

    void Pause(int milliseconds) override;
    void Beep() override;
    void ShowError(const QString &text) override;
    void ShowInformation(const QString &text) override;
    void ShowException(const QString &text) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace sk2
