#pragma once

#include "inputservices.h"
#include "scriptedinput.h"

#include <QStringList>

#include <gtest/gtest.h>

// Scripted key state, pointer and joysticks, with the trace lines the devices write.
class ScriptedServices : public testing::Test
{
protected:
    sk2::win::InputServices Services()
    {
        return {keys, pointer, joysticks, [this](const QString &line) { trace.append(line); }};
    }

    sk2::win::KeyStateTable keys;
    sk2::win::ScriptedPointer pointer;
    sk2::win::ScriptedJoysticks joysticks;
    QStringList trace;
};
