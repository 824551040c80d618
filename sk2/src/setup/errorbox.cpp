#include "errorbox.h"

#include <QCoreApplication>
#include <QMessageBox>

void ShowErrorBox(QWidget *parent, const std::exception &error)
{
    QString text = QString::fromLocal8Bit(error.what());
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.exec();
}
