#include "keyboardinput.h"
#include "scriptedservices.h"
#include "virtualkeys.h"

#include <gtest/gtest.h>

namespace sk2 {
namespace {

using namespace win;

class KeyboardInputTest : public ScriptedServices
{
protected:
    static void Bind(TKeyBoardInput &device, std::uint16_t up, std::uint16_t down, std::uint16_t left,
                     std::uint16_t right, std::uint16_t fire1, std::uint16_t fire2)
    {
        device.KeyUp = up;
        device.KeyDown = down;
        device.KeyLeft = left;
        device.KeyRight = right;
        device.KeyFire1 = fire1;
        device.KeyFire2 = fire2;
    }
};

TEST_F(KeyboardInputTest, EachQueryReadsItsOwnKey)
{
    TKeyBoardInput device(1, 50, Services());
    EXPECT_TRUE(device.Available);
    Bind(device, VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, '2', '3');

    struct Case
    {
        int key;
        bool (TKeyBoardInput::*query)();
    };
    const Case cases[] = {
        {VK_UP, &TKeyBoardInput::Up},     {VK_DOWN, &TKeyBoardInput::Down},
        {VK_LEFT, &TKeyBoardInput::Left}, {VK_RIGHT, &TKeyBoardInput::Right},
        {'2', &TKeyBoardInput::Fire1},    {'3', &TKeyBoardInput::Fire2},
    };
    for (const Case &pressed : cases) {
        keys.Press(pressed.key);
        for (const Case &asked : cases)
            EXPECT_EQ((device.*asked.query)(), asked.key == pressed.key)
                << pressed.key << " asked " << asked.key;
        keys.Release(pressed.key);
    }
    EXPECT_TRUE(trace.isEmpty());
}

TEST_F(KeyboardInputTest, TwoPlayersOnOneKeyboardWithASharedKey)
{
    TKeyBoardInput player1(1, 50, Services());
    TKeyBoardInput player2(1, 50, Services());
    Bind(player1, VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_SPACE, '3');
    Bind(player2, 'A', 'S', 'D', 'F', VK_SPACE, 'X');

    keys.Press(VK_UP);
    keys.Press('D');
    keys.Press(VK_SPACE);
    EXPECT_TRUE(player1.Up());
    EXPECT_FALSE(player1.Left());
    EXPECT_TRUE(player2.Left());
    EXPECT_FALSE(player2.Up());
    EXPECT_TRUE(player1.Fire1());
    EXPECT_TRUE(player2.Fire1());
}

TEST_F(KeyboardInputTest, AnUnassignedKeyNeverReadsPressed)
{
    TKeyBoardInput device(1, 50, Services());
    Bind(device, 0, 0xFFFF, 300, 0, 0, 0);
    for (int code = 0; code < VirtualKeyCount; ++code)
        keys.Press(code);
    EXPECT_FALSE(device.Up());
    EXPECT_FALSE(device.Down());
    EXPECT_FALSE(device.Left());
}

} // namespace
} // namespace sk2
