#include "messagebox.h"

namespace tesselo {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void ShowMessageBox(QWidget *parent, MessageIcon icon, const QString &title, const QString &text)
{
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

QMessageBox::StandardButton Ask(QWidget *parent, MessageIcon icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons buttons)
{
    QMessageBox box(BoxIcon(icon), title, text, buttons, parent);
    box.setEscapeButton(buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace tesselo
