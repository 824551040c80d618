#include "keybox.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {

// Hands the drawing of every list item to the box's owner.
class OwnerDrawDelegate : public QStyledItemDelegate
{
public:
    explicit OwnerDrawDelegate(KeyBox *box)
        : QStyledItemDelegate(box)
        , m_box(box)
    {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selected = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        m_box->DrawItem(*painter, index.row(), option.rect, selected);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_box->itemHeight()};
    }

private:
    KeyBox *m_box;
};

} // namespace

KeyBox::KeyBox(QWidget *parent)
    : QComboBox(parent)
{
    setItemDelegate(new OwnerDrawDelegate(this));
    // Some styles open the whole list over the box and ignore the visible-item count; this keeps the
    // list a short drop-down below the box in every style.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}

void KeyBox::setItemHeight(int height)
{
    m_itemHeight = height;
    RedrawItems();
}

void KeyBox::DrawItem(QPainter &painter, int index, const QRect &rect, bool selected)
{
    painter.save();
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setBrush(palette().brush(group, selected ? QPalette::Highlight : QPalette::Base));
    painter.setPen(palette().color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter.setFont(font());
    emit drawItem(this, &painter, index, rect, selected);
    painter.restore();
}

void KeyBox::RedrawItems()
{
    update();
    view()->viewport()->update();
}

void KeyBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;

    // The closed box shows its current item in one item's height, centred in an edit field of the
    // item's background.
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const bool selected = hasFocus();
    painter.fillRect(field, palette().brush(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                            selected ? QPalette::Highlight : QPalette::Base));
    QRect item(field.left(), 0, field.width(), m_itemHeight);
    item.moveCenter(QPoint(item.center().x(), field.center().y()));
    DrawItem(painter, currentIndex(), item, selected);
}
