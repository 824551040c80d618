#include "inputfactory.h"
#include "joystickinput.h"
#include "keyboardinput.h"
#include "mouseinput.h"
#include "profile.h"
#include "scriptedservices.h"
#include "virtualkeys.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace sk2 {
namespace {

class InputFactoryTest : public ScriptedServices
{
protected:
    PlayerInput Player(std::int32_t device, std::int32_t sensitivity = 25)
    {
        PlayerInput input;
        input.InputDevice = device;
        input.Sensitivity = sensitivity;
        input.Keys = {'D', 'F', 'A', 'S', 'Z', 'X'};
        return input;
    }
};

TEST_F(InputFactoryTest, TheKeyboardGetsThePlayersKeys)
{
    auto device = CreateInputDevice(Player(KeyboardDevice), Services());
    auto *keyboard = dynamic_cast<TKeyBoardInput *>(device.get());
    ASSERT_NE(keyboard, nullptr);
    EXPECT_TRUE(keyboard->Available);
    EXPECT_EQ(keyboard->KeyLeft, 'D');
    EXPECT_EQ(keyboard->KeyRight, 'F');
    EXPECT_EQ(keyboard->KeyUp, 'A');
    EXPECT_EQ(keyboard->KeyDown, 'S');
    EXPECT_EQ(keyboard->KeyFire1, 'Z');
    EXPECT_EQ(keyboard->KeyFire2, 'X');
}

TEST_F(InputFactoryTest, KeyCodesThatNameNoKeyAreNotCutIntoOnesThatDo)
{
    PlayerInput input = Player(KeyboardDevice);
    input.Keys = {-1, 65536 + 'A', 256, 255, 0, 'A'};
    auto device = CreateInputDevice(input, Services());
    auto *keyboard = dynamic_cast<TKeyBoardInput *>(device.get());
    ASSERT_NE(keyboard, nullptr);
    keys.Press('A');
    EXPECT_FALSE(keyboard->Left());
    EXPECT_FALSE(keyboard->Right());
    EXPECT_FALSE(keyboard->Up());
    EXPECT_EQ(keyboard->KeyDown, 255);
    EXPECT_TRUE(keyboard->Fire2());
}

TEST_F(InputFactoryTest, TheMouseRecentresWithTheSensitivityAsThreshold)
{
    auto device = CreateInputDevice(Player(MouseDevice, 40), Services());
    auto *mouse = dynamic_cast<TMouseInput *>(device.get());
    ASSERT_NE(mouse, nullptr);
    EXPECT_EQ(mouse->CursorMode, 1);
    EXPECT_EQ(mouse->Threshold, 40);
    EXPECT_TRUE(mouse->Available);
}

TEST_F(InputFactoryTest, JoysticksOneAndTwo)
{
    joysticks.Connect(win::JOYSTICKID2);
    for (const auto &[code, id, available] :
         {std::tuple{Joystick1Device, 0u, false}, {Joystick2Device, 1u, true}}) {
        auto device = CreateInputDevice(Player(code, 150), Services());
        auto *stick = dynamic_cast<TJoyStick *>(device.get());
        ASSERT_NE(stick, nullptr);
        EXPECT_EQ(stick->JoyId, id);
        EXPECT_EQ(stick->Available, available);
    }
    EXPECT_EQ(joysticks.Stick(win::JOYSTICKID2).caps.wXmax, 65535u);
}

TEST_F(InputFactoryTest, ADeviceCodeOutside0To3GivesNoDevice)
{
    for (std::int32_t code : {-1, 4, 1000})
        EXPECT_EQ(CreateInputDevice(Player(code), Services()), nullptr) << code;
}

class PlayerInputSettingsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        win::SetWindowsDirectory(m_folder.path());
    }
    void TearDown() override { win::SetWindowsDirectory(QString()); }

private:
    QTemporaryDir m_folder;
};

TEST_F(PlayerInputSettingsTest, MissingKeysGiveTheRaceDefaults)
{
    const Settings settings;
    const PlayerInput player1 = ReadPlayerInput(settings, 1);
    const PlayerInput player2 = ReadPlayerInput(settings, 2);
    EXPECT_EQ(player1.InputDevice, KeyboardDevice);
    EXPECT_EQ(player1.Sensitivity, 25);
    EXPECT_EQ(player1.Keys, RaceDefaults::SteeringKeys(1));
    EXPECT_EQ(player2.Keys, RaceDefaults::SteeringKeys(2));
}

TEST_F(PlayerInputSettingsTest, StoredValuesAreRead)
{
    const Settings settings;
    settings.WriteInteger(Keys::InputDevice(2), MouseDevice);
    settings.WriteInteger(Keys::Sensitivity(2), 60);
    settings.WriteSteeringKeys(2, {win::VK_NUMPAD0 + 4, win::VK_NUMPAD0 + 6, win::VK_NUMPAD0 + 8,
                                   win::VK_NUMPAD0 + 2, win::VK_RETURN, win::VK_ADD});
    const PlayerInput player2 = ReadPlayerInput(settings, 2);
    EXPECT_EQ(player2.InputDevice, MouseDevice);
    EXPECT_EQ(player2.Sensitivity, 60);
    EXPECT_EQ(player2.Keys[0], win::VK_NUMPAD0 + 4);
    EXPECT_EQ(player2.Keys[5], win::VK_ADD);
    EXPECT_EQ(ReadPlayerInput(settings, 1).Sensitivity, 25) << "player 1 untouched";
}

} // namespace
} // namespace sk2
