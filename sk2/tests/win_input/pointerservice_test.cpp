#include "pointerservice.h"

#include <gtest/gtest.h>

namespace sk2::win {
namespace {

// The offscreen platform keeps a pointer of its own, so the desktop pointer can be moved and read back.
TEST(SystemPointer, MovesAndReadsThePointer)
{
    SystemPointer pointer;
    EXPECT_TRUE(pointer.MousePresent());
    ASSERT_TRUE(pointer.SetCursorPos(400, 400));
    QPoint position(-1, -1);
    ASSERT_TRUE(pointer.GetCursorPos(position));
    EXPECT_EQ(position, QPoint(400, 400));
    ASSERT_TRUE(pointer.SetCursorPos(123, 45));
    ASSERT_TRUE(pointer.GetCursorPos(position));
    EXPECT_EQ(position, QPoint(123, 45));
}

} // namespace
} // namespace sk2::win
