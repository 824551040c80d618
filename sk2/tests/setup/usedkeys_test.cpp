#include "keyitemlook.h"
#include "usedkeys.h"

#include <gtest/gtest.h>

#include <vector>

using namespace sk2;

TEST(UsedKeys, FlagsEachBoundCodeOnceAndIgnoresCodesOutsideTheList)
{
    const std::vector<int> codes{37, 39, 38, 40, 50, 51, 37, 0, 255, -1, 256, 70000};
    const UsedKeyFlags used = UsedKeysOf(codes);
    for (const int code : {0, 37, 38, 39, 40, 50, 51, 255})
        EXPECT_TRUE(used[code]) << code;
    EXPECT_FALSE(used[1]);
    EXPECT_FALSE(used[254]);
    EXPECT_EQ(DistinctKeyCount(used), 8);
    EXPECT_EQ(DistinctKeyCount(UsedKeysOf({})), 0);
}

TEST(UsedKeys, KeyboardConflictNeedsSixDistinctKeysPerKeyboardPlayer)
{
    struct Case
    {
        int device1, device2, distinct;
        bool conflict;
    };
    const Case cases[] = {
        {DeviceKeyboard, DeviceKeyboard, 12, false},
        {DeviceKeyboard, DeviceKeyboard, 11, true},
        {DeviceKeyboard, DeviceKeyboard, 1, true},
        {DeviceMouse, DeviceKeyboard, 6, false},
        {DeviceMouse, DeviceKeyboard, 5, true},
        {DeviceKeyboard, DeviceJoystick2, 6, false},
        {DeviceKeyboard, DeviceJoystick1, 5, true},
        {DeviceMouse, DeviceJoystick1, 0, false},
        {DeviceJoystick2, DeviceJoystick1, 1, false},
        {7, DeviceKeyboard, 5, true}, // a device read from a bad file counts as not the keyboard
        {-1, 9, 0, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(IsKeyboardConflict(c.device1, c.device2, c.distinct), c.conflict)
            << c.device1 << ' ' << c.device2 << ' ' << c.distinct;
}

TEST(KeyItemLook, BoundKeysStandOutAndNamelessKeysAreYellow)
{
    const QRgb green = qRgb(0, 128, 0), white = qRgb(255, 255, 255), yellow = qRgb(255, 255, 0);
    const QRgb black = qRgb(0, 0, 0);
    EXPECT_EQ(LookOfKeyItem(true, false, QStringLiteral("Up")), (KeyItemLook{green, true}));
    EXPECT_EQ(LookOfKeyItem(true, true, QStringLiteral("Up")), (KeyItemLook{white, true}));
    // Being bound wins over having no name.
    EXPECT_EQ(LookOfKeyItem(true, false, QStringLiteral("*n/a*")), (KeyItemLook{green, true}));
    EXPECT_EQ(LookOfKeyItem(false, false, QStringLiteral("*n/a*")), (KeyItemLook{yellow, false}));
    EXPECT_EQ(LookOfKeyItem(false, true, QStringLiteral("*n/a*")), (KeyItemLook{yellow, false}));
    EXPECT_EQ(LookOfKeyItem(false, true, QStringLiteral("Up")), (KeyItemLook{black, false}));
    EXPECT_EQ(LookOfKeyItem(false, false, QStringLiteral("N/A")), (KeyItemLook{black, false}));
}
