// The text pass: GDI renders each text into a one-bit bitmap that OpenGL draws at a
// raster position in the scene frame. The panel shows the Sun and the Moon (bottom
// left), the observer's place (top left) and the date and time (top right); the maker's
// web address fades in and out at the bottom.
#include "scene/scene_state.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "ephemeris/moon_state.h"
#include "scene/panel_format.h"
#include "settings/maker.h"

bool SceneTextCacheEnabled = true;

namespace {

const char MakerWebAddress[] = MAKER_WEB_ADDRESS;
const GLuint TextList = 1;
const double TextDepth = 100.0;
const size_t TextCacheLimit = 256;

// Layout samples, the same in both languages: "      восход  " and "00:00   высота ".
const char RiseColumnSample[] = "      \xE2\xEE\xF1\xF5\xEE\xE4  ";
const char HeightColumnSample[] = "00:00   \xE2\xFB\xF1\xEE\xF2\xE0 ";
const char LineHeightSample[] = "1234567890AsSDFGyi";

HFONT CurrentTextFont = nullptr;

struct TextExtent {
    int width;   // bitmap width: the text's width rounded up to a multiple of 32
    int height;
    int cx;      // the text's own extent in pixels
    int cy;
    bool drawn;  // the GDI rendering succeeded (an empty text counts as drawn)
};

// One rendered text kept as a display list of its own.
struct CachedText {
    HFONT font;
    std::string text;
    GLuint list;
    TextExtent extent;
};

std::vector<CachedText> textCache;
GLuint currentList = TextList;

// Renders text with the current font into the given display list. The bitmap is a little
// wider than the measured extent: some GDIs (Wine's, with long Cyrillic texts) draw a few
// pixels beyond it, and the last character would be clipped.
TextExtent RenderIntoList(const char* text, GLuint list) {
    TextExtent extent = {0, 0, 0, 0, false};
    const int length = static_cast<int>(std::strlen(text));
    HWND focus = GetFocus();
    HDC screen = GetDC(focus);
    HDC memory = screen != nullptr ? CreateCompatibleDC(screen) : nullptr;
    std::vector<unsigned char> bits;
    if (memory != nullptr) {
        HGDIOBJ oldFont = SelectObject(memory, CurrentTextFont);
        SIZE size = {0, 0};
        GetTextExtentPoint32A(memory, text, length, &size);
        extent.cx = size.cx;
        extent.cy = size.cy;
        const int bitmapWidth = size.cx + size.cy / 2 + 1;
        extent.width = (bitmapWidth + 31) / 32 * 32;
        extent.height = size.cy;
        HBITMAP bitmap = size.cx > 0 && size.cy > 0 ? CreateBitmap(bitmapWidth, size.cy, 1, 1, nullptr) : nullptr;
        if (bitmap != nullptr) {
            HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
            SetBkColor(memory, RGB(0, 0, 0));
            SetTextColor(memory, RGB(255, 255, 255));
            SetBkMode(memory, OPAQUE);
            TextOutA(memory, 0, 0, text, length);
            SelectObject(memory, oldBitmap);

            struct {
                BITMAPINFOHEADER header;
                RGBQUAD colours[2];
            } info;
            std::memset(&info, 0, sizeof info);
            info.header.biSize = sizeof(BITMAPINFOHEADER);
            info.header.biWidth = bitmapWidth;
            info.header.biHeight = size.cy;  // bottom-up, as glBitmap wants it
            info.header.biPlanes = 1;
            info.header.biBitCount = 1;
            info.header.biCompression = BI_RGB;
            bits.assign(static_cast<size_t>(extent.width / 8) * size.cy, 0);
            extent.drawn = GetDIBits(memory, bitmap, 0, size.cy, bits.data(),
                                     reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) != 0;
            DeleteObject(bitmap);
        } else {
            extent.drawn = size.cx <= 0 || size.cy <= 0;
        }
        SelectObject(memory, oldFont);
        DeleteDC(memory);
    }
    if (screen != nullptr) ReleaseDC(focus, screen);

    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glNewList(list, GL_COMPILE);
    if (!bits.empty()) {
        glBitmap(extent.width, extent.height, 0.0f, 0.0f, static_cast<GLfloat>(extent.width + 2), 0.0f,
                 bits.data());
    }
    glEndList();
    return extent;
}

// With the cache, an identical text in the same font reuses its list: the bitmap would
// come out bit for bit the same.
TextExtent RenderTextList(const char* text) {
    if (!SceneTextCacheEnabled) {
        currentList = TextList;
        return RenderIntoList(text, TextList);
    }
    for (const CachedText& entry : textCache) {
        if (entry.font == CurrentTextFont && entry.text == text) {
            currentList = entry.list;
            return entry.extent;
        }
    }
    if (textCache.size() >= TextCacheLimit) {
        for (const CachedText& entry : textCache) glDeleteLists(entry.list, 1);
        textCache.clear();
    }
    if (!glIsList(TextList)) {  // keep the uncached list's name out of the cache
        glNewList(TextList, GL_COMPILE);
        glEndList();
    }
    const GLuint list = glGenLists(1);
    if (list == 0) {
        currentList = TextList;
        return RenderIntoList(text, TextList);
    }
    CachedText entry = {CurrentTextFont, text, list, RenderIntoList(text, list)};
    currentList = list;
    // A rendering that failed (GDI short of resources) is shown once, not kept.
    if (!entry.extent.drawn) {
        glDeleteLists(list, 1);
        currentList = TextList;
        return RenderIntoList(text, TextList);
    }
    textCache.push_back(entry);
    return entry.extent;
}

void DrawTextList() {
    glPushAttrib(GL_LIST_BIT);
    glCallList(currentList);
    glPopAttrib();
}

// The text's true extent in pixels.
SIZE MeasureText(const char* text) {
    const TextExtent extent = RenderTextList(text);
    SIZE size = {extent.cx, extent.cy};
    return size;
}

void DrawPanelText(const char* text) {
    RenderTextList(text);
    DrawTextList();
}

void DrawTextAt(double x, double y, const char* text) {
    glRasterPos3d(x, y, TextDepth);
    DrawPanelText(text);
}

double ScreenWidthPixels() {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    return width > 0 ? width : 1024;
}

double ScreenHeightPixels() {
    const int height = GetSystemMetrics(SM_CYSCREEN);
    return height > 0 ? height : 768;
}

// Width of a text in scene units.
double SceneTextWidth(const char* text) { return MeasureText(text).cx * SceneWidth / ScreenWidthPixels(); }

double PanelLineHeight() {
    return MeasureText(LineHeightSample).cy * (SceneWidth * 0.8) / ScreenHeightPixels();
}

void SetColour(double r, double g, double b, double a) {
    glColor4d(r, g, b, a);
}

struct PanelColumns {
    double v;  // labels are right-aligned to it
    double a;  // times start here
    double d;  // angles start here
};

void DrawLabelRightAligned(const PanelColumns& c, double y, const char* label) {
    DrawTextAt(c.v - SceneTextWidth(label), y, label);
}

void DrawLabelAtHeightColumn(const PanelColumns& c, double y, const char* label) {
    DrawTextAt(0.95 * (c.d - SceneTextWidth(label)), y, label);
}

void DrawTime(const PanelColumns& c, double y, double hours) {
    char text[16];
    FormatPanelTime(hours, text, sizeof text);
    DrawTextAt(c.a, y, text);
}

void DrawAngle(const PanelColumns& c, double y, double degrees) {
    char text[32];
    FormatAngle(degrees, text, sizeof text);
    DrawTextAt(c.d, y, text);
}

void DrawTitle(double y, int id) {
    char text[64];
    std::snprintf(text, sizeof text, "%s:", UiString(id));
    SelectTextFont(Scene.titleFont);
    DrawTextAt(1.0, y, text);
    SelectTextFont(Scene.bodyFont);
}

// A body's title, then rise and height on the next line, set and azimuth on the one after.
void DrawBodyRows(const PanelColumns& c, double titleY, double l, int titleId, double rise, double set,
                  double altitude, double azimuth) {
    DrawTitle(titleY, titleId);
    DrawLabelRightAligned(c, titleY - l, UiString(StrRise));
    DrawTime(c, titleY - l, rise);
    DrawLabelAtHeightColumn(c, titleY - l, UiString(StrHeight));
    DrawAngle(c, titleY - l, altitude);
    DrawLabelAtHeightColumn(c, titleY - 2 * l, UiString(StrAzimuth));
    DrawAngle(c, titleY - 2 * l, azimuth);
    DrawLabelRightAligned(c, titleY - 2 * l, UiString(StrSet));
    DrawTime(c, titleY - 2 * l, set);
}

void DrawBodyBlock(const PanelColumns& c, double l, double o) {
    SetColour(0.8, 0.8, 1.0, 0.7);
    DrawBodyRows(c, 10 * l + o, l, StrSun, MoonState.sunRise, MoonState.sunSet, MoonState.sunAltitude,
                 MoonState.sunAzimuth);
    DrawLabelRightAligned(c, 7 * l + o, UiString(StrDayLength));
    char dayLength[16];
    FormatDayLength(MoonState.sunRise, MoonState.sunSet, dayLength, sizeof dayLength);
    DrawTextAt(c.a, 7 * l + o, dayLength);

    DrawBodyRows(c, 5 * l + o, l, StrMoon, MoonState.moonRise, MoonState.moonSet, MoonState.moonAltitude,
                 MoonState.moonAzimuth);
    DrawLabelRightAligned(c, 2 * l + o, UiString(StrLunarDay));
    DrawTextAt(c.a, 2 * l + o, MoonState.lunarDay > 0 ? MoonState.lunarDayText : "--");
}

void DrawPlace(double l) {
    SetColour(0.8, 1.0, 0.8, 0.7);
    DrawTextAt(1.0, SceneHeight - l, UiString(StrYourCoordinates));
    if (Scene.placeUnset) {
        const double x = SceneTextWidth(UiString(StrYourCoordinates)) + 2.0;
        SetColour(1.0, 0.0, 0.0, 0.7);
        DrawTextAt(x, SceneHeight - l, UiString(StrSetUpLocation));
        SetColour(0.8, 1.0, 0.8, 0.7);
    }
    char angle[32], text[48];
    FormatAngle(Scene.latitude < 0 ? -Scene.latitude : Scene.latitude, angle, sizeof angle);
    std::snprintf(text, sizeof text, "%s%s", angle, Scene.latitude > 0 ? " N" : " S");
    DrawTextAt(1.0, SceneHeight - 2.1 * l, text);
    FormatAngle(Scene.longitude < 0 ? -Scene.longitude : Scene.longitude, angle, sizeof angle);
    std::snprintf(text, sizeof text, "%s%s", angle, Scene.longitude > 0 ? " E" : " W");
    DrawTextAt(1.0, SceneHeight - 3.1 * l, text);
}

void DrawClock(double l) {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    char date[100] = "";
    char time[100] = "";
    if (local != nullptr) {
        std::strftime(date, sizeof date, "%#x", local);
        std::strftime(time, sizeof time, "%X", local);
    }
    SetColour(0.8, 1.0, 0.8, 0.7);
    DrawTextAt(SceneWidth - (SceneTextWidth(date) + 2.0), SceneHeight - l, date);
    SelectTextFont(Scene.titleFont);
    SetColour(1.0, 1.0, 1.0, 0.7);
    DrawTextAt(SceneWidth - (SceneTextWidth(time) + 2.0), SceneHeight - 2.1 * l, time);
    SelectTextFont(Scene.bodyFont);
}

}  // namespace

void ForgetTextLists() {
    textCache.clear();
    currentList = TextList;
}

HFONT CreateUiFont(int height, int weight, const char* face) {
    return CreateFontA(height, 0, 0, 0, weight, 0, 0, 0, RUSSIAN_CHARSET, OUT_STROKE_PRECIS, CLIP_CHARACTER_PRECIS,
                       0, 0, face);
}

HFONT SelectTextFont(HFONT font) {
    HFONT previous = CurrentTextFont;
    CurrentTextFont = font;
    return previous;
}

void CreatePanelFonts() {
    if (Scene.bodyFont != nullptr || Scene.titleFont != nullptr) return;  // made once, even if one failed
    if (Scene.preview) {
        Scene.bodyFont = CreateUiFont(14, 400, "Arial");
    } else if (GetSystemMetrics(SM_CXSCREEN) < 1024) {
        Scene.titleFont = CreateUiFont(14, 600, "Arial");
        Scene.bodyFont = CreateUiFont(12, 400, "Arial");
    } else {
        Scene.titleFont = CreateUiFont(18, 600, "Arial");
        Scene.bodyFont = CreateUiFont(16, 400, "Arial");
    }
}

void DrawTextPanel() {
    SelectTextFont(Scene.bodyFont);
    const double l = PanelLineHeight();
    const double o = 1.5 - 2.0 * l;
    PanelColumns columns;
    columns.v = SceneTextWidth(RiseColumnSample) + 2.0;
    columns.a = 1.07 * columns.v;
    columns.d = SceneTextWidth(HeightColumnSample) + columns.a + 2.0;
    DrawBodyBlock(columns, l, o);
    DrawPlace(l);
    DrawClock(l);
}

void DrawLinkLine() {
    if (Scene.linkFrame < 350 || Scene.preview) {
        Scene.linkFrame += 1;
        const int f = Scene.linkFrame;
        if (f > 50 && f < 100 && Scene.linkAlpha < 1.0) Scene.linkAlpha += 0.02;
        if (f > 200 && Scene.linkAlpha > 0.0) Scene.linkAlpha -= 0.01;
    } else {
        return;
    }
    SelectTextFont(Scene.bodyFont);
    if (Scene.linkFrame > 3) {
        if (Scene.preview) Scene.linkAlpha = 1.0;
        SetColour(0.8, 0.8, 0.5, Scene.linkAlpha);
        if (Scene.preview) {
            DrawTextAt(3.0, 3.0, MakerWebAddress);
        } else {
            DrawTextAt(SceneWidth - (SceneTextWidth(MakerWebAddress) + 2.0), 2.0, MakerWebAddress);
        }
    }
}
