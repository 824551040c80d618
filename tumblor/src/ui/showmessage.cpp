#include "showmessage.h"

#include <QCoreApplication>
#include <QMessageBox>

void ShowMessage(QWidget *parent, const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), shown, QMessageBox::Ok, parent);
    box.exec();
}
