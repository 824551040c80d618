#include "glyphbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

GlyphButton::GlyphButton(QWidget *parent)
    : QPushButton(parent)
{}

void GlyphButton::setGlyphAbove(bool above)
{
    m_glyphAbove = above;
    update();
}

void GlyphButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the frame alone; picture and caption are stacked here.
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int textHeight = fontMetrics().height();
    const QSize glyph = iconSize().boundedTo(QSize(area.width(), area.height() - textHeight));
    const int top = area.top() + (area.height() - glyph.height() - textHeight) / 2;
    QRect glyphRect(area.left() + (area.width() - glyph.width()) / 2, top, glyph.width(), glyph.height());
    QRect textRect(area.left(), top, area.width(), textHeight);
    if (m_glyphAbove)
        textRect.moveTop(glyphRect.bottom() + 1);
    else
        glyphRect.moveTop(textRect.bottom() + 1);

    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    icon().paint(&painter, glyphRect, Qt::AlignCenter, mode);
    painter.drawItemText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}
