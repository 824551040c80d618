#include "inputtrace.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace sk2::win {
namespace {

QStringList &Heard()
{
    static QStringList lines;
    return lines;
}

void Listen(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (QLatin1String(context.category) == QLatin1String("sk2.trace"))
        Heard().append(message);
}

TEST(InputTrace, SilentUntilSwitchedOn)
{
    Heard().clear();
    const QtMessageHandler previous = qInstallMessageHandler(Listen);
    TraceLine(QStringLiteral("No joystick 0"));
    EXPECT_TRUE(Heard().isEmpty());

    QLoggingCategory::setFilterRules(QStringLiteral("sk2.trace.debug=true"));
    TraceLine(QStringLiteral("No joystick 1"));
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);
    EXPECT_EQ(Heard(), QStringList{"No joystick 1"});
}

} // namespace
} // namespace sk2::win
