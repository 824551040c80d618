#include "keystate.h"
#include "virtualkeys.h"

#include <gtest/gtest.h>

namespace sk2::win {
namespace {

bool ReadsDown(const KeyStateService &keys, int vk)
{
    return (GetAsyncKeyState(keys, vk) & 0x8000) != 0;
}

TEST(KeyStateTable, AKeyReadsDownFromPressToReleaseForEveryReader)
{
    KeyStateTable keys;
    EXPECT_EQ(GetAsyncKeyState(keys, 'A'), 0);
    keys.Press('A');
    // Two players bound to the same key both read it, and reading changes nothing.
    EXPECT_TRUE(ReadsDown(keys, 'A'));
    EXPECT_TRUE(ReadsDown(keys, 'A'));
    EXPECT_LT(GetAsyncKeyState(keys, 'A'), 0) << "only the top bit is set";
    EXPECT_FALSE(ReadsDown(keys, 'B'));
    keys.Release('A');
    EXPECT_FALSE(ReadsDown(keys, 'A'));
}

TEST(KeyStateTable, AKeyHeldTwiceStaysDownUntilBothAreReleased)
{
    KeyStateTable keys;
    keys.Press(VK_RETURN);
    keys.Press(VK_RETURN);
    keys.Release(VK_RETURN);
    EXPECT_TRUE(keys.IsKeyDown(VK_RETURN));
    keys.Release(VK_RETURN);
    keys.Release(VK_RETURN); // one release too many must not count below zero
    EXPECT_FALSE(keys.IsKeyDown(VK_RETURN));
    keys.Press(VK_RETURN);
    EXPECT_TRUE(keys.IsKeyDown(VK_RETURN));
}

TEST(KeyStateTable, GenericModifiersFollowEitherSide)
{
    struct Case
    {
        int pressed;
        int generic;
        int otherSide;
    };
    const Case cases[] = {
        {VK_LSHIFT, VK_SHIFT, VK_RSHIFT},       {VK_RSHIFT, VK_SHIFT, VK_LSHIFT},
        {VK_LCONTROL, VK_CONTROL, VK_RCONTROL}, {VK_RCONTROL, VK_CONTROL, VK_LCONTROL},
        {VK_LMENU, VK_MENU, VK_RMENU},          {VK_RMENU, VK_MENU, VK_LMENU},
    };
    for (const Case &c : cases) {
        KeyStateTable keys;
        keys.Press(c.pressed);
        EXPECT_TRUE(keys.IsKeyDown(c.generic)) << c.pressed;
        EXPECT_TRUE(keys.IsKeyDown(c.pressed)) << c.pressed;
        EXPECT_FALSE(keys.IsKeyDown(c.otherSide)) << c.pressed;
        keys.Release(c.pressed);
        EXPECT_FALSE(keys.IsKeyDown(c.generic)) << c.pressed;
    }
}

TEST(KeyStateTable, CodesThatNameNoKeyNeverReadDown)
{
    KeyStateTable keys;
    for (int code : {0, -1, 256, 65535})
        keys.Press(code);
    for (int code : {0, -1, 256, 65535, 65535 & 0xFF})
        EXPECT_EQ(GetAsyncKeyState(keys, code), 0) << code;
}

TEST(KeyStateTable, ReleaseAllLetsGoOfEverything)
{
    KeyStateTable keys;
    keys.Press(VK_LEFT);
    keys.Press(VK_LEFT);
    keys.Press(VK_LBUTTON);
    keys.ReleaseAll();
    EXPECT_FALSE(keys.IsKeyDown(VK_LEFT));
    EXPECT_FALSE(keys.IsKeyDown(VK_LBUTTON));
}

} // namespace
} // namespace sk2::win
