#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TAboutBox;
}

// The about box, shown as a splash when the program starts: the title between the two cars.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);
    ~TAboutBox() override;

private:
    std::unique_ptr<Ui::TAboutBox> ui;
};
