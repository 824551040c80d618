#include "jigsawdialogs.h"

#include "ui_about.h"
#include "ui_newjigsaw.h"

#include <QMessageBox>

#include <algorithm>
#include <iterator>

namespace tesselo {

void CenterDialog(QDialog &dialog, const QWidget *area, int offset)
{
    if (!area)
        return;
    const QPoint centre = area->mapToGlobal(area->rect().center()) + QPoint(0, offset);
    QRect frame = dialog.frameGeometry();
    frame.moveCenter(centre);
    dialog.move(frame.topLeft());
}

NewJigsawDialog::NewJigsawDialog(int count, int style, int maxPieces, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::NewJigsaw>())
    , m_count(count)
    , m_style(style)
    , m_maxPieces(maxPieces)
{
    ui->setupUi(this);
    const std::array<QRadioButton *, 6> countButtons = {ui->count25,  ui->count50,  ui->count100,
                                                        ui->count250, ui->count500, ui->count1000};
    for (std::size_t i = 0; i < countButtons.size(); ++i) {
        countButtons[i]->setChecked(Counts[i] == count);
        connect(countButtons[i], &QRadioButton::clicked, this, [this, i] { m_count = Counts[i]; });
    }
    ui->styleRectangular->setChecked(style == 0);
    ui->styleTabbed->setChecked(style == 1);
    connect(ui->styleRectangular, &QRadioButton::clicked, this, [this] { m_style = 0; });
    connect(ui->styleTabbed, &QRadioButton::clicked, this, [this] { m_style = 1; });
    connect(ui->IDOK, &QPushButton::clicked, this, &NewJigsawDialog::accept);
    connect(ui->IDCANCEL, &QPushButton::clicked, this, &NewJigsawDialog::reject);
    CenterDialog(*this, parent);
}

NewJigsawDialog::~NewJigsawDialog() = default;

void NewJigsawDialog::accept()
{
    if (m_maxPieces < m_count) {
        QMessageBox::critical(this, QStringLiteral("New Jigsaw Error"),
                              QStringLiteral("Error: bitmap too small for %1 pieces. Puzzle must be %2 "
                                             "pieces or less.")
                                  .arg(m_count)
                                  .arg(m_maxPieces));
        return;
    }
    QDialog::accept();
}

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::AboutTesselo>())
{
    ui->setupUi(this);
    connect(ui->IDOK, &QPushButton::clicked, this, &AboutDialog::accept);
    CenterDialog(*this, parent);
}

AboutDialog::~AboutDialog() = default;

} // namespace tesselo
