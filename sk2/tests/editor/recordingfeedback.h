#pragma once

#include "editorfeedback.h"

#include <QString>
#include <QStringList>

// Feedback that answers every message box at once and writes down what happened, in order:
// "pause 350", "beep", "error: ...", "information: ...", "exception: ...".
class RecordingFeedback : public sk2::EditorFeedback
{
public:
    QStringList events;

    void Pause(int milliseconds) override { events << QStringLiteral("pause %1").arg(milliseconds); }
    void Beep() override { events << QStringLiteral("beep"); }
    void ShowError(const QString &text) override { events << QStringLiteral("error: ") + text; }
    void ShowInformation(const QString &text) override { events << QStringLiteral("information: ") + text; }
    void ShowException(const QString &text) override { events << QStringLiteral("exception: ") + text; }
};
