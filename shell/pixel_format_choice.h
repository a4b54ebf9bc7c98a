// Choosing an OpenGL pixel format from the formats a device context offers. Portable:
// the formats are read through a callback, so the rules run over any descriptor list.
#ifndef SELENARIUM_SHELL_PIXEL_FORMAT_CHOICE_H
#define SELENARIUM_SHELL_PIXEL_FORMAT_CHOICE_H

#include <stdint.h>

// Descriptor flag values as the system defines them.
constexpr uint32_t kPfdDoubleBuffer = 0x00000001;
constexpr uint32_t kPfdDrawToWindow = 0x00000004;
constexpr uint32_t kPfdDrawToBitmap = 0x00000008;
constexpr uint32_t kPfdSupportOpenGL = 0x00000020;
constexpr uint32_t kPfdNeedPalette = 0x00000080;
constexpr uint32_t kPfdNeedSystemPalette = 0x00000100;
constexpr int kPfdTypeRgba = 0;

// Request bits of the saver's GL configuration.
constexpr uint32_t kRequestDoubleBuffer = 0x01;
constexpr uint32_t kRequestDepth16 = 0x02;
constexpr uint32_t kRequestDepth32 = 0x04;
constexpr uint32_t kRequestNoSystemPalette = 0x20;

// The fields of a pixel format descriptor the choice looks at.
struct PixelFormatInfo {
    uint32_t flags;
    int pixelType;
    int colorBits;
    int depthBits;
};

// Request bits from the scene's double-buffer flag and depth request (1: 16 bits, 2: 32).
uint32_t GlRequestBits(int32_t doubleBuffer, int32_t depthRequest);

// 16 for kRequestDepth16, else 32 for kRequestDepth32, else 0.
int MinimumDepthBits(uint32_t request);

// Whether one format meets the request on a screen of the given depth (depth bits aside).
bool FormatQualifies(const PixelFormatInfo& format, int screenDepth, uint32_t request);

// Describes format `index` (1-based) into *out; returns the number of formats, <= 0 on failure.
typedef int (*DescribeFormatFn)(void* context, int index, PixelFormatInfo* out);

// Scans the formats: the lowest qualifying index with enough depth bits, or with no
// minimum the first one without depth bits, else the last qualifying one with depth bits.
// 0 when nothing qualifies, or when a format cannot be described, which also sets
// *pDescribeFailed (when given): then the whole choice ends with no format.
int ScanPixelFormats(DescribeFormatFn describe, void* context, int screenDepth, uint32_t request,
                     bool* pDescribeFailed);

// The descriptor handed to the system's own choice when the scan finds nothing.
PixelFormatInfo FallbackFormatRequest(int screenDepth, uint32_t request);

#endif
