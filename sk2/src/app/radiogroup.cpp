#include "radiogroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(QWidget *parent)
    : QGroupBox(parent)
    , m_buttons(new QButtonGroup(this))
{
    auto *layout = new QGridLayout(this);
    // Tight, like the classic radio group, so two items side by side fit a narrow box.
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setHorizontalSpacing(4);
}

void RadioGroup::setItems(const QStringList &items)
{
    m_items = items;
    rebuild();
}

void RadioGroup::setColumns(int columns)
{
    m_columns = std::max(columns, 1);
    rebuild();
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *button = m_buttons->button(index)) {
        button->setChecked(true);
        return;
    }
    // No item of that number: leave none checked.
    m_buttons->setExclusive(false);
    for (QAbstractButton *other : m_buttons->buttons())
        other->setChecked(false);
    m_buttons->setExclusive(true);
}

void RadioGroup::rebuild()
{
    const int checked = itemIndex();
    for (QAbstractButton *button : m_buttons->buttons()) {
        m_buttons->removeButton(button);
        delete button;
    }
    auto *grid = static_cast<QGridLayout *>(layout());
    for (int i = 0; i < m_items.size(); ++i) {
        auto *button = new QRadioButton(m_items[i], this);
        button->setObjectName(QStringLiteral("item%1").arg(i));
        m_buttons->addButton(button, i);
        grid->addWidget(button, i / m_columns, i % m_columns);
    }
    setItemIndex(checked);
}
