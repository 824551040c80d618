#pragma once

// Small things the tests make for themselves: pictures, a collector of messages, and a helper that
// answers the modal boxes and dialogs the windows open.
#include "alerts.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace tesselo::testing {

// A picture with a different colour in every pixel row and column, written as a Windows bitmap.
QString WritePicture(const QTemporaryDir &dir, const QString &name, int width, int height,
                     QImage::Format format = QImage::Format_RGB888);

// Collects what the game tells the player while it lives.
class MessageLog
{
public:
    MessageLog();
    ~MessageLog();
    QStringList titles;
    QStringList texts;
    void clear();

private:
    AlertSink m_previous;
};

// Answers every modal box or dialog that opens while it lives: message boxes are recorded and answered
// with the next answer from `answers` (OK or the default button when none is left); other dialogs are
// handed to `onDialog`, which must close them.
class ModalAnswerer
{
public:
    ModalAnswerer();
    QStringList titles;
    QStringList texts;
    QList<int> answers; // QMessageBox::StandardButton values
    std::function<void(QWidget *dialog)> onDialog;

private:
    void Answer();
    QTimer m_timer;
    bool m_dialogPending = false;
};

} // namespace tesselo::testing
