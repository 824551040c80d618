#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class NewJigsaw;
class AboutTesselo;
} // namespace Ui

namespace tesselo {

// Moves a dialog so that its centre lies `offset` pixels below the centre of `area`'s client area.
void CenterDialog(QDialog &dialog, const QWidget *area, int offset = 0);

// "New Jigsaw": the number of pieces and their style. The choice is pending until OK, which refuses a
// count larger than the picture allows and keeps the dialog open.
class NewJigsawDialog : public QDialog
{
    Q_OBJECT

public:
    // The selectable counts, in the order of their radio buttons.
    static constexpr int Counts[6] = {25, 50, 100, 250, 500, 1000};

    NewJigsawDialog(int count, int style, int maxPieces, QWidget *parent = nullptr);
    ~NewJigsawDialog() override;

    int pendingCount() const { return m_count; }
    int pendingStyle() const { return m_style; }

    void accept() override;

private:
    std::unique_ptr<Ui::NewJigsaw> ui;
    int m_count;
    int m_style;
    int m_maxPieces;
};

// "About Tesselo".
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

private:
    std::unique_ptr<Ui::AboutTesselo> ui;
};

} // namespace tesselo
