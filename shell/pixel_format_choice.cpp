#include "pixel_format_choice.h"

uint32_t GlRequestBits(int32_t doubleBuffer, int32_t depthRequest)
{
    uint32_t bits = 0;
    if (depthRequest == 1)
        bits |= kRequestDepth16;
    else if (depthRequest == 2)
        bits |= kRequestDepth32;
    if (doubleBuffer != 0)
        bits |= kRequestDoubleBuffer;
    return bits;
}

int MinimumDepthBits(uint32_t request)
{
    if (request & kRequestDepth16)
        return 16;
    if (request & kRequestDepth32)
        return 32;
    return 0;
}

bool FormatQualifies(const PixelFormatInfo& format, int screenDepth, uint32_t request)
{
    if (!(format.flags & kPfdSupportOpenGL) || !(format.flags & kPfdDrawToWindow))
        return false;
    bool wantDouble = (request & kRequestDoubleBuffer) != 0;
    if (((format.flags & kPfdDoubleBuffer) != 0) != wantDouble)
        return false;
    if (format.pixelType != kPfdTypeRgba || format.colorBits != screenDepth)
        return false;
    if ((request & kRequestNoSystemPalette) && (format.flags & kPfdNeedSystemPalette))
        return false;
    return true;
}

int ScanPixelFormats(DescribeFormatFn describe, void* context, int screenDepth, uint32_t request,
                     bool* pDescribeFailed)
{
    if (pDescribeFailed)
        *pDescribeFailed = false;
    int minimumDepth = MinimumDepthBits(request);
    int fallback = 0;
    for (int index = 1, count = 1; index <= count; ++index) {
        PixelFormatInfo format = {};
        count = describe(context, index, &format);
        if (count <= 0) {
            if (pDescribeFailed)
                *pDescribeFailed = true;
            return 0;
        }
        if (!FormatQualifies(format, screenDepth, request))
            continue;
        if (minimumDepth != 0) {
            if (format.depthBits >= minimumDepth)
                return index;
        } else if (format.depthBits == 0) {
            return index;
        } else {
            fallback = index;
        }
    }
    return fallback;
}

PixelFormatInfo FallbackFormatRequest(int screenDepth, uint32_t request)
{
    PixelFormatInfo format = {};
    format.flags = kPfdSupportOpenGL | kPfdDrawToWindow;
    if (request & kRequestDoubleBuffer)
        format.flags |= kPfdDoubleBuffer;
    if (request & kRequestNoSystemPalette)
        format.flags |= kPfdDrawToBitmap;
    format.pixelType = kPfdTypeRgba;
    format.colorBits = screenDepth;
    format.depthBits = MinimumDepthBits(request);
    return format;
}
