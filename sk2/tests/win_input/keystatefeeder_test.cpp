#include "keystatefeeder.h"
#include "keytranslation.h"
#include "virtualkeys.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace sk2::win {
namespace {

class KeyStateFeederTest : public testing::Test
{
protected:
    KeyStateFeederTest() { feeder.Watch(&window); }

    void SendKey(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
    {
        QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(&window, &event);
    }

    QWidget window;
    KeyStateTable keys;
    KeyStateFeeder feeder{keys};
};

TEST_F(KeyStateFeederTest, TwoPlayersHoldTheirKeysAtOnce)
{
    QTest::keyPress(&window, Qt::Key_Up);
    QTest::keyPress(&window, Qt::Key_A);
    QTest::keyPress(&window, Qt::Key_Left);
    QTest::keyPress(&window, Qt::Key_D);
    for (int vk : {VK_UP, int('A'), VK_LEFT, int('D')})
        EXPECT_TRUE(keys.IsKeyDown(vk)) << vk;

    QTest::keyRelease(&window, Qt::Key_Left);
    EXPECT_FALSE(keys.IsKeyDown(VK_LEFT));
    EXPECT_TRUE(keys.IsKeyDown('D'));
    EXPECT_TRUE(keys.IsKeyDown(VK_UP));
}

TEST_F(KeyStateFeederTest, RepeatsOfAHeldKeyNeitherPressNorRelease)
{
    QTest::keyPress(&window, Qt::Key_Right);
    SendKey(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, true);
    EXPECT_TRUE(keys.IsKeyDown(VK_RIGHT));
    SendKey(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, true);
    QTest::keyRelease(&window, Qt::Key_Right);
    EXPECT_FALSE(keys.IsKeyDown(VK_RIGHT)) << "one press, one release: the repeat must not hold it";
}

TEST_F(KeyStateFeederTest, KeypadAndShiftedKeysGiveTheirKeysCode)
{
    QTest::keyPress(&window, Qt::Key_4, Qt::KeypadModifier);
    EXPECT_TRUE(keys.IsKeyDown(VK_NUMPAD0 + 4));
    EXPECT_FALSE(keys.IsKeyDown('4'));

    // "2" pressed, then Shift, then released as "@": the key "2" must come up again.
    QTest::keyPress(&window, Qt::Key_2);
    QTest::keyPress(&window, Qt::Key_Shift);
    EXPECT_TRUE(keys.IsKeyDown(VK_SHIFT));
    SendKey(QEvent::KeyRelease, Qt::Key_At, Qt::ShiftModifier, false);
    EXPECT_FALSE(keys.IsKeyDown('2'));
}

TEST_F(KeyStateFeederTest, MouseButtonsAreKeysToo)
{
    QTest::mousePress(&window, Qt::LeftButton);
    EXPECT_TRUE(keys.IsKeyDown(VK_LBUTTON));
    QTest::mousePress(&window, Qt::RightButton);
    QTest::mouseRelease(&window, Qt::LeftButton);
    EXPECT_FALSE(keys.IsKeyDown(VK_LBUTTON));
    EXPECT_TRUE(keys.IsKeyDown(VK_RBUTTON));
    QTest::mouseRelease(&window, Qt::RightButton);
    EXPECT_FALSE(keys.IsKeyDown(VK_RBUTTON));
}

TEST_F(KeyStateFeederTest, LosingTheFocusReleasesEveryKey)
{
    QTest::keyPress(&window, Qt::Key_Up);
    QTest::mousePress(&window, Qt::LeftButton);
    QFocusEvent focusOut(QEvent::FocusOut);
    QApplication::sendEvent(&window, &focusOut);
    EXPECT_FALSE(keys.IsKeyDown(VK_UP));
    EXPECT_FALSE(keys.IsKeyDown(VK_LBUTTON));
    // The release that comes later, when the focus is back, must not upset the count.
    QTest::keyRelease(&window, Qt::Key_Up);
    QTest::keyPress(&window, Qt::Key_Up);
    EXPECT_TRUE(keys.IsKeyDown(VK_UP));
}

TEST_F(KeyStateFeederTest, TheWindowStillGetsEveryEvent)
{
    struct CountingWindow : QWidget
    {
        int keyPresses = 0;
        void keyPressEvent(QKeyEvent *) override { ++keyPresses; }
    } counting;
    feeder.Watch(&counting);
    QTest::keyPress(&counting, Qt::Key_Escape);
    EXPECT_EQ(counting.keyPresses, 1);
    EXPECT_TRUE(keys.IsKeyDown(VK_ESCAPE));
}

TEST(KeyTranslation, PhysicalKeysDecideWhereThePlatformNamesThem)
{
    struct Case
    {
        quint32 inputCode;
        int qtKey;
        int vk;
    };
    const Case cases[] = {
        {42, Qt::Key_Shift, VK_LSHIFT},
        {54, Qt::Key_Shift, VK_RSHIFT},
        {29, Qt::Key_Control, VK_LCONTROL},
        {97, Qt::Key_Control, VK_RCONTROL},
        {56, Qt::Key_Alt, VK_LMENU},
        {100, Qt::Key_AltGr, VK_RMENU},
        {3, Qt::Key_At, '2'},
        {30, Qt::Key_Q, 'A'}, // a French layout types Q there
        {75, Qt::Key_4, VK_NUMPAD0 + 4},
        {75, Qt::Key_Left, VK_LEFT},
        {76, Qt::Key_Clear, VK_CLEAR},
        {83, Qt::Key_Period, VK_DECIMAL},
        {83, Qt::Key_Delete, VK_DELETE},
        {105, Qt::Key_Left, VK_LEFT},
        {96, Qt::Key_Enter, VK_RETURN},
        {98, Qt::Key_Slash, VK_DIVIDE},
        {183, Qt::Key_F13, VK_F1 + 12},
        {194, Qt::Key_F24, VK_F24},
        {125, Qt::Key_Meta, VK_LWIN},
        {86, Qt::Key_Less, VK_OEM_102},
        {240, Qt::Key_Up, VK_UP}, // an input code this keyboard lacks: the Qt key decides
    };
    for (const Case &c : cases)
        EXPECT_EQ(VirtualKeyOf({c.qtKey, false, c.inputCode}), c.vk) << c.inputCode;
}

TEST(KeyTranslation, QtKeysDecideWithoutAPhysicalKey)
{
    struct Case
    {
        int qtKey;
        bool keypad;
        int vk;
    };
    const Case cases[] = {
        {Qt::Key_A, false, 'A'},
        {Qt::Key_7, false, '7'},
        {Qt::Key_7, true, VK_NUMPAD0 + 7},
        {Qt::Key_Asterisk, true, VK_MULTIPLY},
        {Qt::Key_Asterisk, false, '8'},
        {Qt::Key_Plus, true, VK_ADD},
        {Qt::Key_Plus, false, VK_OEM_PLUS},
        {Qt::Key_Minus, true, VK_SUBTRACT},
        {Qt::Key_Question, false, VK_OEM_2},
        {Qt::Key_F12, false, VK_F1 + 11},
        {Qt::Key_Shift, false, VK_LSHIFT},
        {Qt::Key_Enter, true, VK_RETURN},
        {Qt::Key_PageDown, false, VK_NEXT},
        {Qt::Key_Home, true, VK_HOME},
        {Qt::Key_Space, false, VK_SPACE},
        {Qt::Key_VolumeUp, false, 0},
        {Qt::Key_unknown, false, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(VirtualKeyOf({c.qtKey, c.keypad, 0}), c.vk) << std::hex << c.qtKey;
}

TEST(KeyTranslation, NativeScanCodesNameKeysOnlyOnX11AndWayland)
{
    EXPECT_EQ(InputCodeOfNativeScanCode(50, QStringLiteral("xcb")), 42u);
    EXPECT_EQ(InputCodeOfNativeScanCode(50, QStringLiteral("wayland")), 42u);
    EXPECT_EQ(InputCodeOfNativeScanCode(50, QStringLiteral("wayland-egl")), 42u);
    EXPECT_EQ(InputCodeOfNativeScanCode(50, QStringLiteral("offscreen")), 0u);
    EXPECT_EQ(InputCodeOfNativeScanCode(0, QStringLiteral("xcb")), 0u);
    EXPECT_EQ(InputCodeOfNativeScanCode(8, QStringLiteral("xcb")), 0u);
}

} // namespace
} // namespace sk2::win
