#pragma once

#include <QWidget>

class QLineEdit;

// A pair of arrow buttons that step the number shown in an edit between a minimum and a maximum,
// starting from whatever the edit shows at the time.
class UpDown : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)

public:
    explicit UpDown(QWidget *parent = nullptr);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    void setMinimum(int minimum) { m_minimum = minimum; }
    void setMaximum(int maximum) { m_maximum = maximum; }

    void setAssociate(QLineEdit *edit) { m_edit = edit; }

public slots:
    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

private:
    void step(int delta);

    int m_minimum = 0;
    int m_maximum = 100;
    QLineEdit *m_edit = nullptr;
};
