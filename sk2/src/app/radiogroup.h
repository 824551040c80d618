#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

// A titled box of radio buttons, one per item, laid out in columns; itemIndex is the checked item's
// number, or -1 when none is checked.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int columns READ columns WRITE setColumns)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)

public:
    explicit RadioGroup(QWidget *parent = nullptr);

    QStringList items() const { return m_items; }
    void setItems(const QStringList &items);
    int columns() const { return m_columns; }
    void setColumns(int columns);
    int itemIndex() const;
    void setItemIndex(int index);

private:
    void rebuild();

    QStringList m_items;
    int m_columns = 1;
    QButtonGroup *m_buttons;
};
