// The allocation routine, its failure message and the bounded string helpers behind it.
#include "fixtures.h"
#include "memory.h"

#include <gtest/gtest.h>

#include <string>

using fixtures::AlertLog;

namespace {

class FailingAllocation
{
public:
    FailingAllocation()
        : m_previous(SetAllocationFailure([](std::size_t, const char *) { return true; }))
    {}
    ~FailingAllocation() { SetAllocationFailure(std::move(m_previous)); }

private:
    AllocationFailure m_previous;
};

TEST(MyGAlloc, GivesZeroFilledBlocks)
{
    AlertLog log;
    auto *block = static_cast<unsigned char *>(MyGAlloc(4096, "block", "test"));
    ASSERT_NE(block, nullptr);
    for (int i = 0; i < 4096; ++i)
        ASSERT_EQ(block[i], 0) << i;
    MyGFree(block);
    EXPECT_TRUE(log.texts.isEmpty());
}

TEST(MyGAlloc, FailureNamesSizeVariableAndRoutine)
{
    struct Case
    {
        std::size_t size;
        const char *name;
        const char *function;
        const char *text;
    };
    const Case cases[] = {
        {1078, "pBuff", "ReadBitmapFile", "GlobalAlloc of 1078 bytes for pBuff in ReadBitmapFile failed."},
        {340, nullptr, "NewPiece", "GlobalAlloc of 340 bytes in NewPiece failed."},
        {8, "logPal", nullptr, "GlobalAlloc of 8 bytes for logPal failed."},
        {0, nullptr, nullptr, "GlobalAlloc of 0 bytes failed."},
    };
    for (const Case &c : cases) {
        AlertLog log;
        FailingAllocation failing;
        EXPECT_EQ(MyGAlloc(c.size, c.name, c.function), nullptr);
        ASSERT_EQ(log.texts.size(), 1);
        EXPECT_EQ(log.texts[0].toStdString(), c.text);
        EXPECT_EQ(log.titles[0], "MyGAlloc() Error");
        EXPECT_EQ(log.icons[0], AlertIcon::Stop);
    }
}

TEST(MyGAlloc, FailureRuleSeesEachRequest)
{
    AlertLog log;
    std::vector<std::string> asked;
    AllocationFailure previous = SetAllocationFailure([&asked](std::size_t, const char *name) {
        asked.push_back(name);
        return asked.back() == "second";
    });
    void *first = MyGAlloc(16, "first", "test");
    void *second = MyGAlloc(16, "second", "test");
    SetAllocationFailure(std::move(previous));
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(asked, (std::vector<std::string>{"first", "second"}));
    MyGFree(first);
}

TEST(Mystrings, LengthAndCopyStopAtTheLimit)
{
    AlertLog log;
    EXPECT_EQ(Mystrlen(""), 0);
    EXPECT_EQ(Mystrlen("pBuff"), 5);
    const std::string longest(MAXSTRLEN - 1, 'a');
    EXPECT_EQ(Mystrlen(longest.c_str()), MAXSTRLEN - 1);
    EXPECT_TRUE(log.texts.isEmpty());

    const std::string unterminated(MAXSTRLEN + 10, 'x');
    EXPECT_EQ(Mystrlen(unterminated.c_str()), 0);
    ASSERT_EQ(log.texts.size(), 1);
    EXPECT_EQ(log.titles[0], "Mystrlen");
    EXPECT_EQ(log.texts[0], "Unable to determine string length.");

    std::string dest(MAXSTRLEN + 20, '?');
    Mystrcpy(dest.data(), unterminated.c_str());
    ASSERT_EQ(log.texts.size(), 2);
    EXPECT_EQ(log.titles[1], "Mystrcpy");
    EXPECT_EQ(log.texts[1], "Unable to copy full string: source > MAXSTRLEN");
    EXPECT_EQ(std::string(dest.c_str()), std::string(MAXSTRLEN - 1, 'x'));

    Mystrcpy(dest.data(), "in ");
    EXPECT_STREQ(dest.c_str(), "in ");
}

} // namespace
