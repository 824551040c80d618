#include "dialogfeedback.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

namespace sk2 {

void DialogFeedback::Pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void DialogFeedback::Beep()
{
    QApplication::beep();
}

void DialogFeedback::ShowError(const QString &text)
{
    QMessageBox::critical(m_parent, QStringLiteral("Error"), text);
}

void DialogFeedback::ShowInformation(const QString &text)
{
    QMessageBox::information(m_parent, QStringLiteral("Information"), text);
}

void DialogFeedback::ShowException(const QString &text)
{
    QMessageBox::critical(m_parent, QApplication::applicationDisplayName(), text);
}

} // namespace sk2
