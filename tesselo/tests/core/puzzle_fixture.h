#pragma once

// A puzzle cut in the test: the picture, both sheets, and the settings put back afterwards.
#include "fixtures.h"
#include "pieces.h"

#include <gtest/gtest.h>

#include <vector>

class PuzzleTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        Release();
        pieceCount = 250;
        pieceStyle = 1;
    }

    void Release()
    {
        FreePuzzle(picSheet, maskSheet);
        FreeMemBitmap(picture);
    }

    // Cuts a new puzzle of a `width` x `height` picture into `count` pieces of `style` from `seed`.
    void Cut(int width, int height, int count, int style, std::uint32_t seed = 1, bool withPictures = false)
    {
        Release();
        picture = fixtures::PictureOf(fixtures::Pattern(width, height));
        ASSERT_NE(picture, nullptr);
        pieceCount = count;
        pieceStyle = style;
        SeedRandom(seed);
        ASSERT_TRUE(CreatePieceMask(picture, maskSheet, false));
        if (withPictures) {
            ASSERT_TRUE(CreatePiecePic(picture, picSheet, maskSheet));
        }
    }

    static const Piece &P(int id) { return *pieceTable[id].piece; }

    // The ids from the front of the table order to the back.
    static std::vector<int> FrontToBack()
    {
        std::vector<int> ids;
        for (const Piece *p = pieceFront; p; p = p->next)
            ids.push_back(p->id);
        return ids;
    }

    // The same walked from the back, reversed: equal to FrontToBack when both links agree.
    static std::vector<int> BackToFrontReversed()
    {
        std::vector<int> ids;
        for (const Piece *p = pieceBack; p; p = p->prev)
            ids.insert(ids.begin(), p->id);
        return ids;
    }

    MemBitmap *picture = nullptr;
    MemBitmap *maskSheet = nullptr;
    MemBitmap *picSheet = nullptr;
};
