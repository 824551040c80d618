#include "uskeyboard.h"
#include "virtualkeys.h"

#include <gtest/gtest.h>

#include <string>

namespace sk2::win {
namespace {

std::string NameOf(unsigned scan, bool extended, int bufferSize = 51)
{
    char buffer[64] = "untouched";
    const std::int32_t parameter = static_cast<std::int32_t>((scan | (extended ? 0x100u : 0u)) * 65536u);
    const int length = GetKeyNameTextA(parameter, buffer, bufferSize);
    EXPECT_EQ(length, static_cast<int>(std::string(buffer).size()));
    return buffer;
}

// What a virtual key is called, through its scan code, without and with the extended bit: the two
// names the steering setup chooses between.
TEST(UsKeyboard, VirtualKeysHaveThePlainAndExtendedNamesOfTheirScanCode)
{
    struct Case
    {
        int vk;
        unsigned scan;
        const char *plain;
        const char *extended;
    };
    const Case cases[] = {
        {VK_LEFT, 0x4B, "Num 4", "Left"},
        {VK_UP, 0x48, "Num 8", "Up"},
        {VK_NUMPAD0 + 4, 0x4B, "Num 4", "Left"},
        {VK_NUMPAD0 + 5, 0x4C, "Num 5", ""},
        {VK_NUMPAD0, 0x52, "Num 0", "Insert"},
        {VK_DECIMAL, 0x53, "Num Del", "Delete"},
        {'A', 0x1E, "A", ""},
        {'D', 0x20, "D", ""},
        {'2', 0x03, "2", ""},
        {VK_RETURN, 0x1C, "Enter", "Num Enter"},
        {VK_CONTROL, 0x1D, "Ctrl", "Right Ctrl"},
        {VK_LSHIFT, 0x2A, "Shift", ""},
        {VK_RSHIFT, 0x36, "Right Shift", ""},
        {VK_SPACE, 0x39, "Space", ""},
        {VK_OEM_2, 0x35, "/", "Num /"},
        {VK_OEM_5, 0x2B, "\\", ""},
        {VK_F1 + 10, 0x57, "F11", ""},
        {VK_F24, 0x76, "F24", ""},
        {VK_LWIN, 0x5B, "", "Left Windows"},
        {VK_SCROLL, 0x46, "Scroll Lock", "Break"},
        {VK_LBUTTON, 0, "", ""},
        {0xFF, 0, "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.vk);
        const unsigned scan = MapVirtualKeyA(static_cast<unsigned>(c.vk), MAPVK_VK_TO_VSC);
        EXPECT_EQ(scan, c.scan);
        EXPECT_EQ(NameOf(scan, false), c.plain);
        EXPECT_EQ(NameOf(scan, true), c.extended);
    }
}

TEST(UsKeyboard, OnlyTheVirtualKeyToScanCodeMappingIsKnown)
{
    EXPECT_EQ(MapVirtualKeyA('A', 1), 0u);
    EXPECT_EQ(MapVirtualKeyA(0x100 + 'A', MAPVK_VK_TO_VSC), 0u);
    EXPECT_EQ(MapVirtualKeyA(0, MAPVK_VK_TO_VSC), 0u);
}

TEST(UsKeyboard, NamesAreCutToTheBuffer)
{
    EXPECT_EQ(NameOf(0x36, false, 6), "Right");
    EXPECT_EQ(NameOf(0x36, false, 1), "");
    char untouched = 'x';
    EXPECT_EQ(GetKeyNameTextA(0x360000, &untouched, 0), 0);
    EXPECT_EQ(untouched, 'x');
    EXPECT_EQ(GetKeyNameTextA(0x360000, nullptr, 10), 0);
}

} // namespace
} // namespace sk2::win
