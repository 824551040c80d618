#include "aboutbox.h"

#include "ui_about.h"

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TAboutBox>())
{
    ui->setupUi(this);
    setFixedSize(size());
    ui->Image1->setPixmap(QPixmap(QStringLiteral(":/sk2/cars/car1.png")));
    ui->Image2->setPixmap(QPixmap(QStringLiteral(":/sk2/cars/car2.png")));
    ui->BitBtn1->setFocus();
}

TAboutBox::~TAboutBox() = default;
