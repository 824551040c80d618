#include "updown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

UpDown::UpDown(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const bool up : {true, false}) {
        auto *button = new QToolButton(this);
        button->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setObjectName(up ? QStringLiteral("up") : QStringLiteral("down"));
        connect(button, &QToolButton::clicked, this, up ? &UpDown::stepUp : &UpDown::stepDown);
        layout->addWidget(button);
    }
}

void UpDown::step(int delta)
{
    if (!m_edit)
        return;
    const int shown = m_edit->text().trimmed().toInt();
    m_edit->setText(QString::number(std::clamp(shown + delta, m_minimum, m_maximum)));
}
