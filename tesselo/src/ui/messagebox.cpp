#include "messagebox.h"

namespace tesselo {

namespace {

QMessageBox::Icon BoxIcon(AlertIcon icon)
{
    switch (icon) {
    case AlertIcon::Information:
        return QMessageBox::Information;
    case AlertIcon::Exclamation:
        return QMessageBox::Warning;
    case AlertIcon::Stop:
        return QMessageBox::Critical;
    case AlertIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void ShowMessageBox(QWidget *parent, AlertIcon icon, const QString &title, const QString &text)
{
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

QMessageBox::StandardButton Ask(QWidget *parent, AlertIcon icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons buttons)
{
    QMessageBox box(BoxIcon(icon), title, text, buttons, parent);
    box.setEscapeButton(buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace tesselo
