#pragma once

#include <QPushButton>

// A push button that shows its picture above or below its caption, both centred.
class GlyphButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool glyphAbove READ glyphAbove WRITE setGlyphAbove)

public:
    explicit GlyphButton(QWidget *parent = nullptr);

    bool glyphAbove() const { return m_glyphAbove; }
    void setGlyphAbove(bool above);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_glyphAbove = true;
};
