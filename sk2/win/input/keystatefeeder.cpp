#include "keystatefeeder.h"

#include "keytranslation.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace sk2::win {

namespace {

// A held key is known by its physical key where the platform names it, otherwise by its virtual key;
// a mouse button by the button. The tags keep the three kinds apart.
constexpr quint32 VirtualKeySource = 0x10000;
constexpr quint32 MouseButtonSource = 0x20000;

KeyEventFacts FactsOf(const QKeyEvent &event)
{
    KeyEventFacts facts;
    facts.qtKey = event.key();
    facts.keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    facts.inputCode = InputCodeOfNativeScanCode(event.nativeScanCode(), QGuiApplication::platformName());
    return facts;
}

quint32 SourceOf(const KeyEventFacts &facts, int virtualKey)
{
    return facts.inputCode != 0 ? facts.inputCode : VirtualKeySource | static_cast<quint32>(virtualKey);
}

} // namespace

KeyStateFeeder::KeyStateFeeder(KeyStateTable &keys, QObject *parent)
    : QObject(parent)
    , m_keys(keys)
{}

void KeyStateFeeder::Watch(QObject *window)
{
    window->installEventFilter(this);
}

bool KeyStateFeeder::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        KeyPressed(static_cast<const QKeyEvent &>(*event));
        break;
    case QEvent::KeyRelease:
        KeyReleased(static_cast<const QKeyEvent &>(*event));
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const Qt::MouseButton button = static_cast<const QMouseEvent &>(*event).button();
        Press(MouseButtonSource | button, VirtualKeyOfMouseButton(button));
        break;
    }
    case QEvent::MouseButtonRelease:
        Release(MouseButtonSource | static_cast<const QMouseEvent &>(*event).button());
        break;
    case QEvent::FocusOut:
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        ReleaseAll();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void KeyStateFeeder::KeyPressed(const QKeyEvent &event)
{
    if (event.isAutoRepeat())
        return;
    const KeyEventFacts facts = FactsOf(event);
    const int virtualKey = VirtualKeyOf(facts);
    Press(SourceOf(facts, virtualKey), virtualKey);
}

void KeyStateFeeder::KeyReleased(const QKeyEvent &event)
{
    if (event.isAutoRepeat())
        return;
    const KeyEventFacts facts = FactsOf(event);
    Release(SourceOf(facts, VirtualKeyOf(facts)));
}

void KeyStateFeeder::Press(quint32 source, int virtualKey)
{
    if (virtualKey == 0 || m_held.contains(source))
        return;
    m_held.insert(source, virtualKey);
    m_keys.Press(virtualKey);
}

void KeyStateFeeder::Release(quint32 source)
{
    const auto held = m_held.constFind(source);
    if (held == m_held.constEnd())
        return;
    m_keys.Release(*held);
    m_held.erase(held);
}

void KeyStateFeeder::ReleaseAll()
{
    m_held.clear();
    m_keys.ReleaseAll();
}

} // namespace sk2::win
