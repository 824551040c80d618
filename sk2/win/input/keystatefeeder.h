#pragma once

// Feeds a key-state table from the key and mouse-button events of one window, so that the race can
// ask which keys are down the way it asked the system. Install it on the window that has the keyboard
// focus; the window still receives every event.
//
// Each physical key or button holds its virtual key from its press to its release, even if Shift or
// Num Lock change in between; repeats of a held key are not presses. When the window loses the focus
// or is hidden it no longer hears releases, so every key counts as released then: a key let go
// elsewhere must not drive a car on for ever.

#include "keystate.h"

#include <QHash>
#include <QObject>

class QKeyEvent;

namespace sk2::win {

class KeyStateFeeder : public QObject
{
    Q_OBJECT
public:
    explicit KeyStateFeeder(KeyStateTable &keys, QObject *parent = nullptr);

    // Starts listening to window's events.
    void Watch(QObject *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Press(quint32 source, int virtualKey);
    void Release(quint32 source);
    void ReleaseAll();
    void KeyPressed(const QKeyEvent &event);
    void KeyReleased(const QKeyEvent &event);

    KeyStateTable &m_keys;
    // The virtual key each held physical key or button pressed, by source (see the .cpp).
    QHash<quint32, int> m_held;
};

} // namespace sk2::win
