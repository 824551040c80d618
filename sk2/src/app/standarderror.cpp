#include "standarderror.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <exception>

void RunHandler(QWidget *parent, const std::function<void()> &work)
{
    QString message;
    try {
        work();
        return;
    } catch (const std::exception &error) {
        message = QString::fromUtf8(error.what());
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    if (!message.endsWith(QLatin1Char('.')))
        message += QLatin1Char('.');
    QMessageBox::critical(parent, QCoreApplication::applicationName(), message);
}
