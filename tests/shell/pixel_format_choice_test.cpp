// Choosing a pixel format over lists of descriptors.
#include <gtest/gtest.h>

#include <vector>

#include "shell/pixel_format_choice.h"

namespace {

constexpr uint32_t kWindowGL = kPfdSupportOpenGL | kPfdDrawToWindow;
constexpr uint32_t kDoubleGL = kWindowGL | kPfdDoubleBuffer;

PixelFormatInfo Format(uint32_t flags, int colorBits, int depthBits, int pixelType = kPfdTypeRgba)
{
    return PixelFormatInfo{flags, pixelType, colorBits, depthBits};
}

// A device offering a fixed list; index 0 of the list is format 1.
struct FormatList {
    std::vector<PixelFormatInfo> formats;
    int failAt = 0;  // this index cannot be described
    std::vector<int> described;
};

int DescribeFromList(void* context, int index, PixelFormatInfo* out)
{
    FormatList* list = static_cast<FormatList*>(context);
    list->described.push_back(index);
    if (index == list->failAt || index < 1 || index > static_cast<int>(list->formats.size()))
        return 0;
    *out = list->formats[static_cast<size_t>(index - 1)];
    return static_cast<int>(list->formats.size());
}

int Scan(FormatList& list, int screenDepth, uint32_t request, bool* describeFailed = nullptr)
{
    return ScanPixelFormats(DescribeFromList, &list, screenDepth, request, describeFailed);
}

TEST(GlRequestBits, FollowTheSceneDescription)
{
    EXPECT_EQ(GlRequestBits(1, 1), 0x03u);
    EXPECT_EQ(GlRequestBits(1, 2), 0x05u);
    EXPECT_EQ(GlRequestBits(0, 3), 0x00u);
    EXPECT_EQ(GlRequestBits(-1, 0), 0x01u);
    EXPECT_EQ(MinimumDepthBits(0x03), 16);
    EXPECT_EQ(MinimumDepthBits(0x05), 32);
    EXPECT_EQ(MinimumDepthBits(0x21), 0);
}

TEST(ScanPixelFormats, TakesTheLowestIndexReachingTheMinimumDepth)
{
    FormatList list;
    list.formats = {Format(kDoubleGL, 32, 0), Format(kDoubleGL, 32, 24), Format(kDoubleGL, 32, 16),
                    Format(kDoubleGL, 32, 32)};
    EXPECT_EQ(Scan(list, 32, 0x03), 2);  // 24 bits at index 2 comes before 16 bits at 3
    list.formats[1].depthBits = 8;
    EXPECT_EQ(Scan(list, 32, 0x03), 3);  // the 16-bit one, not the deeper 32-bit one
    EXPECT_EQ(Scan(list, 32, 0x05), 4);
}

TEST(ScanPixelFormats, RefusesFormatsThatDoNotQualify)
{
    const struct {
        PixelFormatInfo format;
        const char* why;
    } refused[] = {
        {Format(kPfdDrawToWindow | kPfdDoubleBuffer, 32, 24), "no OpenGL"},
        {Format(kPfdSupportOpenGL | kPfdDoubleBuffer, 32, 24), "not to a window"},
        {Format(kWindowGL, 32, 24), "single-buffered when double is asked"},
        {Format(kDoubleGL, 32, 24, 1), "colour-index pixels"},
        {Format(kDoubleGL, 24, 24), "colour bits differ from the screen"},
        {Format(kDoubleGL, 16, 24), "colour bits differ from the screen"},
        {Format(kDoubleGL | kPfdNeedSystemPalette, 32, 24), "needs the system palette (preview)"},
    };
    for (const auto& r : refused) {
        FormatList list;
        list.formats = {r.format, Format(kDoubleGL, 32, 16)};
        EXPECT_EQ(Scan(list, 32, 0x23), 2) << r.why;
    }
    // Outside the preview the system palette is acceptable.
    FormatList list;
    list.formats = {Format(kDoubleGL | kPfdNeedSystemPalette, 32, 24)};
    EXPECT_EQ(Scan(list, 32, 0x03), 1);
}

TEST(ScanPixelFormats, DoubleBufferingMustMatchTheRequestExactly)
{
    FormatList list;
    list.formats = {Format(kDoubleGL, 32, 16), Format(kWindowGL, 32, 16)};
    EXPECT_EQ(Scan(list, 32, 0x02), 2);
    EXPECT_EQ(Scan(list, 32, 0x03), 1);
}

TEST(ScanPixelFormats, WithoutMinimumPrefersNoDepthElseTheLastWithDepth)
{
    FormatList list;
    list.formats = {Format(kDoubleGL, 32, 16), Format(kDoubleGL, 32, 24), Format(kDoubleGL, 32, 0),
                    Format(kDoubleGL, 32, 32)};
    EXPECT_EQ(Scan(list, 32, 0x01), 3);
    list.formats[2].depthBits = 8;
    EXPECT_EQ(Scan(list, 32, 0x01), 4);  // the fallback: a later one replaces an earlier one
}

TEST(ScanPixelFormats, EndsWithZeroWhenNothingQualifiesOrDescribingFails)
{
    bool describeFailed = true;
    FormatList shallow;
    shallow.formats = {Format(kDoubleGL, 32, 8), Format(kDoubleGL, 16, 24)};
    EXPECT_EQ(Scan(shallow, 32, 0x03, &describeFailed), 0);
    EXPECT_FALSE(describeFailed);  // the system's own choice may still be asked

    FormatList none;
    EXPECT_EQ(Scan(none, 32, 0x03, &describeFailed), 0);
    EXPECT_TRUE(describeFailed);
    EXPECT_EQ(none.described, std::vector<int>({1}));

    // A failure late in the scan ends it even after a fallback was found.
    FormatList broken;
    broken.formats = {Format(kDoubleGL, 32, 8), Format(kDoubleGL, 32, 24), Format(kDoubleGL, 32, 24)};
    broken.failAt = 2;
    EXPECT_EQ(Scan(broken, 32, 0x01, &describeFailed), 0);
    EXPECT_TRUE(describeFailed);
}

TEST(ScanPixelFormats, ScansUpToAndIncludingTheReportedCount)
{
    FormatList list;
    list.formats = {Format(kWindowGL, 32, 0), Format(kWindowGL, 32, 0), Format(kDoubleGL, 32, 16)};
    EXPECT_EQ(Scan(list, 32, 0x03), 3);
    EXPECT_EQ(list.described, std::vector<int>({1, 2, 3}));
}

TEST(FallbackFormatRequest, AsksTheSystemForTheSameThings)
{
    PixelFormatInfo full = FallbackFormatRequest(32, 0x03);
    EXPECT_EQ(full.flags, kDoubleGL);
    EXPECT_EQ(full.pixelType, kPfdTypeRgba);
    EXPECT_EQ(full.colorBits, 32);
    EXPECT_EQ(full.depthBits, 16);

    PixelFormatInfo preview = FallbackFormatRequest(8, 0x23);
    EXPECT_EQ(preview.flags, kDoubleGL | kPfdDrawToBitmap);
    EXPECT_EQ(preview.colorBits, 8);

    PixelFormatInfo plain = FallbackFormatRequest(16, 0x00);
    EXPECT_EQ(plain.flags, kWindowGL);
    EXPECT_EQ(plain.depthBits, 0);
}

}  // namespace
