// The palette's colours: intensity levels, ramps, and where the static colours land.
#include "palette_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const PaletteLayout k332 = {8, 3, 0, 3, 3, 2, 6};

// The system's 20 default static colours, in the default palette's order.
std::vector<PaletteColour> StandardStatics()
{
    return {{0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},
            {0, 0, 128, 0},     {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0},
            {192, 220, 192, 0}, {166, 202, 240, 0}, {255, 251, 240, 0}, {160, 160, 164, 0},
            {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},     {255, 255, 0, 0},
            {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0}};
}

std::vector<PaletteColour> Ramp332()
{
    std::vector<PaletteColour> ramp(256);
    FillRampEntries(k332, ramp.data(), 256);
    return ramp;
}

// Twenty statics that each match a distinct ramp entry (200-219) exactly.
std::vector<PaletteColour> ExactStatics()
{
    std::vector<PaletteColour> ramp = Ramp332();
    return std::vector<PaletteColour>(ramp.begin() + 200, ramp.begin() + 220);
}

bool SameRgb(const PaletteColour& a, const PaletteColour& b)
{
    return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue;
}

}  // namespace

TEST(ChannelLevel, LooksUpTheIntensityTableForEachWidth)
{
    struct Case { int nbits; std::vector<int> levels; };
    const Case cases[] = {
        {1, {0, 255}},
        {2, {0, 116, 191, 255}},
        {3, {0, 63, 104, 139, 171, 200, 229, 255}},
    };
    for (const Case& c : cases)
        for (int value = 0; value < static_cast<int>(c.levels.size()); ++value)
            EXPECT_EQ(ChannelLevel(value, c.nbits, 0), c.levels[value])
                << c.nbits << " bits, value " << value;
}

TEST(ChannelLevel, ShiftsAndMasksTheIndex)
{
    EXPECT_EQ(ChannelLevel(0xFF, 2, 6), 255);
    EXPECT_EQ(ChannelLevel(0x40, 2, 6), 116);
    EXPECT_EQ(ChannelLevel(0x3F, 2, 6), 0);            // lower bits belong to other channels
    EXPECT_EQ(ChannelLevel((5 << 3) | 7, 3, 3), 200);  // bits above the channel are masked
    EXPECT_EQ(ChannelLevel(0xC0 | (2 << 3), 3, 3), 104);
}

TEST(ChannelLevelDeathTest, ChannelWidthOutsideOneToThreeStopsTheProgram)
{
    EXPECT_DEATH(ChannelLevel(0, 0, 0), "nbits >= 1 && nbits <= 3");
    EXPECT_DEATH(ChannelLevel(0, 4, 0), "nbits >= 1 && nbits <= 3");
}

TEST(PaletteEntryCount, IsTwoToTheColourBitsForPalettisedDepths)
{
    EXPECT_EQ(PaletteEntryCount(k332), 256);
    EXPECT_EQ(PaletteEntryCount(PaletteLayout{4, 1, 0, 2, 1, 1, 3}), 16);
    EXPECT_EQ(PaletteEntryCount(PaletteLayout{1, 1, 0, 1, 0, 1, 0}), 2);
    EXPECT_EQ(PaletteEntryCount(PaletteLayout{0, 1, 0, 1, 0, 1, 0}), 0);
    EXPECT_EQ(PaletteEntryCount(PaletteLayout{16, 1, 0, 1, 0, 1, 0}), 0);
    EXPECT_EQ(PaletteEntryCount(PaletteLayout{32, 1, 0, 1, 0, 1, 0}), 0);
}

TEST(PlacesStaticColours, OnlyForAShared332PaletteOf256Entries)
{
    EXPECT_TRUE(PlacesStaticColours(k332, false));
    EXPECT_FALSE(PlacesStaticColours(k332, true));
    EXPECT_FALSE(PlacesStaticColours(PaletteLayout{8, 3, 5, 3, 2, 2, 0}, false));  // 3-3-2 reversed
    EXPECT_FALSE(PlacesStaticColours(PaletteLayout{8, 2, 0, 3, 2, 3, 5}, false));  // 2-3-3
    EXPECT_FALSE(PlacesStaticColours(PaletteLayout{7, 3, 0, 3, 3, 2, 6}, false));  // 128 entries
}

TEST(BuildPaletteEntries, TakingOverGivesThePlainRampWithBlackAndWhiteLeftToTheSystem)
{
    std::vector<PaletteColour> statics = StandardStatics();
    std::vector<int> slots(kStaticColourCount, -1);
    std::vector<PaletteColour> entries(256);
    BuildPaletteEntries(k332, true, statics.data(), slots.data(), entries.data(), 256);

    const int red[8] = {0, 63, 104, 139, 171, 200, 229, 255};
    const int blue[4] = {0, 116, 191, 255};
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(entries[i].peRed, red[i & 7]) << i;
        EXPECT_EQ(entries[i].peGreen, red[(i >> 3) & 7]) << i;
        EXPECT_EQ(entries[i].peBlue, blue[i >> 6]) << i;
        EXPECT_EQ(entries[i].peFlags, (i == 0 || i == 255) ? 0 : kPaletteNoCollapse) << i;
    }
    EXPECT_TRUE(SameRgb(entries[0], PaletteColour{0, 0, 0, 0}));
    EXPECT_TRUE(SameRgb(entries[255], PaletteColour{255, 255, 255, 0}));
    EXPECT_EQ(slots, std::vector<int>(kStaticColourCount, -1));  // nothing placed
}

TEST(BuildPaletteEntries, SharingPlacesTheStandardStaticsAtTheirKnownSlots)
{
    std::vector<PaletteColour> statics = StandardStatics();
    std::vector<int> slots(kStaticColourCount, -1);
    std::vector<PaletteColour> entries(256);
    BuildPaletteEntries(k332, false, statics.data(), slots.data(), entries.data(), 256);

    EXPECT_EQ(slots, std::vector<int>(kStandardStaticSlots, kStandardStaticSlots + kStaticColourCount));
    const std::vector<PaletteColour> ramp = Ramp332();
    const std::vector<PaletteColour> standard = StandardStatics();
    std::vector<bool> isSlot(256, false);
    for (int i = 0; i < kStaticColourCount; ++i) {
        isSlot[slots[i]] = true;
        EXPECT_TRUE(SameRgb(entries[slots[i]], standard[i])) << "static " << i;
        EXPECT_EQ(entries[slots[i]].peFlags, 0) << "static " << i;
        EXPECT_EQ(statics[i].peFlags, 0);
    }
    int rampEntries = 0;
    for (int j = 0; j < 256; ++j) {
        if (isSlot[j])
            continue;
        ++rampEntries;
        EXPECT_TRUE(SameRgb(entries[j], ramp[j])) << j;
        EXPECT_EQ(entries[j].peFlags, kPaletteNoCollapse) << j;
    }
    EXPECT_EQ(rampEntries, 236);
    EXPECT_TRUE(SameRgb(entries[0], PaletteColour{0, 0, 0, 0}));
    EXPECT_TRUE(SameRgb(entries[255], PaletteColour{255, 255, 255, 0}));
}

TEST(BuildPaletteEntries, OtherLayoutsAndSizesGetThePlainRamp)
{
    struct Case { PaletteLayout layout; bool takeOver; };
    const Case cases[] = {
        {{8, 3, 5, 3, 2, 2, 0}, false},  // 256 entries, but not 3-3-2 from bit 0
        {{4, 1, 0, 2, 1, 1, 3}, true},   // 16 entries: no entry is left to the system
        {{4, 1, 0, 2, 1, 1, 3}, false},
    };
    for (const Case& c : cases) {
        int count = PaletteEntryCount(c.layout);
        std::vector<PaletteColour> statics = StandardStatics();
        std::vector<int> slots(kStaticColourCount, -1);
        std::vector<PaletteColour> entries(count), ramp(count);
        BuildPaletteEntries(c.layout, c.takeOver, statics.data(), slots.data(), entries.data(), count);
        FillRampEntries(c.layout, ramp.data(), count);
        for (int j = 0; j < count; ++j) {
            EXPECT_TRUE(SameRgb(entries[j], ramp[j])) << count << " entries, " << j;
            EXPECT_EQ(entries[j].peFlags, kPaletteNoCollapse) << count << " entries, " << j;
        }
        EXPECT_EQ(slots, std::vector<int>(kStaticColourCount, -1));
    }
    // 4 bits: red 1 bit at 0, green 2 bits at 1, blue 1 bit at 3.
    std::vector<PaletteColour> ramp(16);
    FillRampEntries(PaletteLayout{4, 1, 0, 2, 1, 1, 3}, ramp.data(), 16);
    EXPECT_TRUE(SameRgb(ramp[0b1101], PaletteColour{255, 191, 255, 0}));
    EXPECT_TRUE(SameRgb(ramp[0b0010], PaletteColour{0, 116, 0, 0}));
}

TEST(PlaceStaticColours, ExactMatchesAreClaimedBeforeAnyNearestSearch)
{
    // Static 0 is nearest to entry 9 (63, 63, 0), which static 1 matches exactly; the
    // exact match wins although it comes later in the table.
    std::vector<PaletteColour> statics = ExactStatics();
    statics[0] = {60, 60, 0, 0};
    statics[1] = {63, 63, 0, 0};
    std::vector<PaletteColour> entries = Ramp332();
    std::vector<int> slots(kStaticColourCount, -1);
    PlaceStaticColours(entries.data(), statics.data(), slots.data());
    EXPECT_EQ(slots[1], 9);
    EXPECT_NE(slots[0], 9);
    EXPECT_TRUE(SameRgb(entries[9], PaletteColour{63, 63, 0, 0}));
    EXPECT_TRUE(SameRgb(entries[slots[0]], PaletteColour{60, 60, 0, 0}));
}

TEST(PlaceStaticColours, NearestSearchSkipsTakenEntriesAndBreaksTiesToTheLowestIndex)
{
    // With black (entry 0) and (63, 63, 0) (entry 9) taken exactly, (31, 31, 0) is equally
    // near entries 1 (63, 0, 0) and 8 (0, 63, 0): it takes 1. The next static of the same
    // colour finds 1 taken and takes 8.
    std::vector<PaletteColour> statics = ExactStatics();
    statics[0] = {31, 31, 0, 0};
    statics[1] = {31, 31, 0, 0};
    statics[2] = {0, 0, 0, 0};
    statics[3] = {63, 63, 0, 0};
    std::vector<PaletteColour> entries = Ramp332();
    std::vector<int> slots(kStaticColourCount, -1);
    PlaceStaticColours(entries.data(), statics.data(), slots.data());
    EXPECT_EQ(slots[2], 0);
    EXPECT_EQ(slots[3], 9);
    EXPECT_EQ(slots[0], 1);
    EXPECT_EQ(slots[1], 8);
    for (int i = 4; i < kStaticColourCount; ++i)
        EXPECT_EQ(slots[i], 200 + i) << i;  // statics 4-19 are entries 204-219
}

TEST(PlaceStaticColoursDeathTest, TwoStaticsOfTheSameExactColourStopTheProgram)
{
    std::vector<PaletteColour> statics = ExactStatics();
    statics[5] = statics[4];
    std::vector<PaletteColour> entries = Ramp332();
    std::vector<int> slots(kStaticColourCount, -1);
    EXPECT_DEATH(PlaceStaticColours(entries.data(), statics.data(), slots.data()),
                 "pe332->peFlags != 1");
}
