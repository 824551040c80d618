#include "drivefields.h"

#include "spritemgr.h"

std::uint8_t MarkerColour = 31;
sk2::THintGrid HintGrid{};

namespace sk2::race {

TPlayerFields PlayerFields(TRaceFields &fields, int player)
{
    if (player == 1)
        return {1,
                fields.Laps1,
                fields.BonusScore1,
                fields.WallCount1,
                fields.OnLine1,
                fields.Hidden1,
                fields.Reappear1,
                fields.Visited1,
                fields.Step1,
                fields.StartImage1};
    return {2,
            fields.Laps2,
            fields.BonusScore2,
            fields.WallCount2,
            fields.OnLine2,
            fields.Hidden2,
            fields.Reappear2,
            fields.Visited2,
            fields.Step2,
            fields.StartImage2};
}

dgc::TDGCSpriteMgr &TRaceScene::SpriteMgr(int player) const
{
    return player == 1 ? SpriteMgr1 : SpriteMgr2;
}

dgc::TDGCSprite &TRaceScene::Car(int player) const
{
    return *SpriteMgr(player).Sprite(0);
}

dgc::TDGCSprite &TRaceScene::FinishLine() const
{
    return *SpriteMgr1.Sprite(FinishLineIndex());
}

} // namespace sk2::race
