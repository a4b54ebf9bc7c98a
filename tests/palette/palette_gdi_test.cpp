// The saver's palette against real GDI on an 8-bit palettised screen. Wine offers no
// OpenGL pixel format there, so the palette is driven with an 8-bit 3-3-2 descriptor the
// way GL context creation would pass it, and the window record carries a stand-in GL
// context handle (the palette code only asks whether one exists).
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "glscrnsv.h"
#include "palette.h"
#include "palette_layout.h"
#include "palette_system_colours.h"
#include "sswindow.h"

namespace {

const int kStandardSlots[20] = {0,  3,   24,  27,  64,  67,  88,  173, 181, 236,
                                247, 164, 91,  7,   56,  63,  192, 199, 248, 255};

PIXELFORMATDESCRIPTOR Descriptor332(DWORD extraFlags)
{
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER | PFD_NEED_PALETTE |
                  extraFlags;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 8;
    pfd.cRedBits = 3;
    pfd.cRedShift = 0;
    pfd.cGreenBits = 3;
    pfd.cGreenShift = 3;
    pfd.cBlueBits = 2;
    pfd.cBlueShift = 6;
    pfd.cDepthBits = 16;
    return pfd;
}

std::vector<PALETTEENTRY> EntriesOf(HPALETTE hpal)
{
    std::vector<PALETTEENTRY> entries(256);
    EXPECT_EQ(GetPaletteEntries(hpal, 0, 256, entries.data()), 256u);
    return entries;
}

std::vector<PALETTEENTRY> StockStatics()
{
    std::vector<PALETTEENTRY> statics(20);
    GetPaletteEntries(static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), 0, 20, statics.data());
    return statics;
}

PaletteColour Ramp332(int i)
{
    static std::vector<PaletteColour> ramp = [] {
        std::vector<PaletteColour> r(256);
        FillRampEntries(PaletteLayout{8, 3, 0, 3, 3, 2, 6}, r.data(), 256);
        return r;
    }();
    return ramp[i];
}

bool SameRgb(const PALETTEENTRY& a, int red, int green, int blue)
{
    return a.peRed == red && a.peGreen == green && a.peBlue == blue;
}

COLORREF SysColour(const char* registryName)
{
    for (const SystemColourElement& e : kSystemColourElements)
        if (std::string(e.registryName) == registryName)
            return GetSysColor(e.id);
    ADD_FAILURE() << registryName;
    return 0;
}

void SetSysColour(int id, COLORREF colour)
{
    SetSysColors(1, &id, &colour);
}

// Set by a test that lets the system's colour-change message reach the palette too.
bool g_routeColourChanges = false;

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Only the realisation request goes to the palette, so each test drives the other
    // palette messages itself.
    if ((message == WM_USER || (message == WM_SYSCOLORCHANGE && g_routeColourChanges)) && g_pSaverShell)
        return PaletteHandleMessage(g_pSaverShell->pPalette, hwnd, message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class PaletteGdi : public ::testing::Test {
protected:
    void SetUp() override
    {
        HDC screen = GetDC(nullptr);
        paletteDevice_ = (GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) != 0;
        ReleaseDC(nullptr, screen);
        ASSERT_TRUE(paletteDevice_) << "these tests need the 8-bit palettised test screen";

        for (int i = 0; i < gNumStaticColors; ++i)
            originalColours_[i] = GetSysColor(i);

        WNDCLASSA wc{};
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = TestWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "PaletteTestWindow";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, "PaletteTestWindow", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  0, 0, 200, 150, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(window_, nullptr);
        hdc_ = GetDC(window_);

        shell_ = SaverShell{};
        shell_.runMode = Windowed;
        g_pSaverShell = &shell_;
        record_ = SaverWindow{};
        record_.hwnd = window_;
        record_.hdc = hdc_;
        record_.hglrc = reinterpret_cast<HGLRC>(1);  // stand-in: no GL on this screen
        RegisterSaverWindow(&shell_, window_, &record_);

        SetSystemPaletteUse(hdc_, SYSPAL_STATIC);
    }

    void TearDown() override
    {
        if (shell_.pPalette)
            TeardownSaverPalette(shell_.pPalette, hdc_);
        g_pSaverShell = nullptr;
        if (hdc_) {
            SetSystemPaletteUse(hdc_, SYSPAL_STATIC);
            ReleaseDC(window_, hdc_);
        }
        if (window_)
            DestroyWindow(window_);
        INT ids[gNumStaticColors];
        for (int i = 0; i < gNumStaticColors; ++i)
            ids[i] = i;
        SetSysColors(gNumStaticColors, ids, originalColours_);
    }

    SaverPalette* Create(bool fullScreen, DWORD extraFlags = 0)
    {
        PIXELFORMATDESCRIPTOR pfd = Descriptor332(extraFlags);
        shell_.runMode = fullScreen ? FullScreen : shell_.runMode;
        shell_.pPalette = CreateSaverPalette(hdc_, &pfd, fullScreen);
        if (shell_.pPalette)
            shell_.pPalette->pfnHandler = fullScreen ? PaletteFullScreenHandler : PaletteWindowHandler;
        return shell_.pPalette;
    }

    HPALETTE SelectedPalette() { return static_cast<HPALETTE>(GetCurrentObject(hdc_, OBJ_PAL)); }

    void SetUserColour(const char* name, const char* text)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Colors", 0, nullptr, 0,
                                  KEY_SET_VALUE, nullptr, &key, nullptr), ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       static_cast<DWORD>(strlen(text) + 1));
        RegCloseKey(key);
    }

    void SetUserColourDword(const char* name, DWORD value)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Colors", 0, nullptr, 0,
                                  KEY_SET_VALUE, nullptr, &key, nullptr), ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(key);
    }

    void DeleteUserColour(const char* name)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Colors", 0, KEY_SET_VALUE, &key) ==
            ERROR_SUCCESS) {
            RegDeleteValueA(key, name);
            RegCloseKey(key);
        }
    }

    bool paletteDevice_ = false;
    COLORREF originalColours_[gNumStaticColors] = {};
    HWND window_ = nullptr;
    HDC hdc_ = nullptr;
    SaverShell shell_{};
    SaverWindow record_{};
};

}  // namespace

TEST_F(PaletteGdi, WindowedRunSharesTheSystemPaletteWithTheStaticColoursPlaced)
{
    SaverPalette* p = Create(false);
    ASSERT_NE(p, nullptr);
    EXPECT_FALSE(p->bTakeOver);
    EXPECT_TRUE(p->bFlushPending);
    EXPECT_EQ(p->nEntries, 256);

    std::vector<PALETTEENTRY> entries = EntriesOf(p->hPal);
    std::vector<PALETTEENTRY> statics = StockStatics();
    EXPECT_TRUE(SameRgb(entries[0], 0, 0, 0));
    EXPECT_TRUE(SameRgb(entries[255], 255, 255, 255));
    std::vector<bool> isSlot(256, false);
    for (int i = 0; i < 20; ++i) {
        const PALETTEENTRY& e = entries[kStandardSlots[i]];
        isSlot[kStandardSlots[i]] = true;
        EXPECT_TRUE(SameRgb(e, statics[i].peRed, statics[i].peGreen, statics[i].peBlue)) << i;
        EXPECT_EQ(e.peFlags, 0) << i;
    }
    for (int j = 0; j < 256; ++j) {
        if (isSlot[j])
            continue;
        PaletteColour ramp = Ramp332(j);
        EXPECT_TRUE(SameRgb(entries[j], ramp.peRed, ramp.peGreen, ramp.peBlue)) << j;
        EXPECT_EQ(entries[j].peFlags, PC_NOCOLLAPSE) << j;
    }
}

TEST_F(PaletteGdi, FullScreenRunGetsThePlainRampAndSwitchesTheStaticColoursOff)
{
    SaverPalette* p = Create(true);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->bTakeOver);
    EXPECT_FALSE(p->bFlushPending);
    EXPECT_EQ(p->uSavedPaletteUse, static_cast<UINT>(SYSPAL_STATIC));

    std::vector<PALETTEENTRY> entries = EntriesOf(p->hPal);
    for (int j = 0; j < 256; ++j) {
        PaletteColour ramp = Ramp332(j);
        EXPECT_TRUE(SameRgb(entries[j], ramp.peRed, ramp.peGreen, ramp.peBlue)) << j;
        EXPECT_EQ(entries[j].peFlags, (j == 0 || j == 255) ? 0 : PC_NOCOLLAPSE) << j;
    }

    COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(RealizePaletteForWindow(p, window_, hdc_, false), 1);
    EXPECT_EQ(GetSystemPaletteUse(hdc_), static_cast<UINT>(SYSPAL_NOSTATIC));
    EXPECT_EQ(SelectedPalette(), p->hPal);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), window);  // full screen leaves the interface colours
    EXPECT_FALSE(p->bColorsReplaced);

    // Deactivation restores the saved use, activation switches the static colours off again.
    PaletteHandleMessage(p, window_, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(GetSystemPaletteUse(hdc_), static_cast<UINT>(SYSPAL_STATIC));
    PaletteHandleMessage(p, window_, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetSystemPaletteUse(hdc_), static_cast<UINT>(SYSPAL_NOSTATIC));

    TeardownSaverPalette(p, hdc_);
    EXPECT_EQ(shell_.pPalette, nullptr);
    EXPECT_EQ(GetSystemPaletteUse(hdc_), static_cast<UINT>(SYSPAL_STATIC));
    EXPECT_EQ(SelectedPalette(), static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)));
}

TEST_F(PaletteGdi, WindowedTakeOverReplacesTheInterfaceColoursAndGivesTheUsersColoursBack)
{
    SetSysColour(COLOR_WINDOW, RGB(1, 2, 3));
    SetSysColour(COLOR_MENU, RGB(4, 5, 6));
    SetSysColour(COLOR_BTNFACE, RGB(7, 8, 9));
    SetSysColour(COLOR_SCROLLBAR, RGB(10, 11, 12));
    SetUserColour("Window", "255 0 128");
    SetUserColour("Menu", std::string(64, '1').c_str());  // longer than 63 characters
    SetUserColourDword("ButtonFace", 0x00112233);         // not text
    DeleteUserColour("Scrollbar");                        // missing

    SaverPalette* p = Create(false, PFD_NEED_SYSTEM_PALETTE);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->bTakeOver);
    std::vector<PALETTEENTRY> entries = EntriesOf(p->hPal);
    EXPECT_EQ(entries[0].peFlags, 0);
    EXPECT_EQ(entries[255].peFlags, 0);
    EXPECT_EQ(entries[1].peFlags, PC_NOCOLLAPSE);

    EXPECT_NE(RealizePaletteForWindow(p, window_, hdc_, false), -1);
    EXPECT_FALSE(p->bFlushPending);
    EXPECT_TRUE(p->bColorsReplaced);
    EXPECT_EQ(GetSystemPaletteUse(hdc_), static_cast<UINT>(SYSPAL_NOSTATIC));
    EXPECT_EQ(SelectedPalette(), p->hPal);
    for (const SystemColourElement& e : kSystemColourElements)
        EXPECT_EQ(GetSysColor(e.id), e.replacement) << e.registryName;
    EXPECT_EQ(GetSysColor(COLOR_SCROLLBAR), 0x02FFFFFFu);
    EXPECT_EQ(GetSysColor(COLOR_BACKGROUND), 0x02000000u);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), 0x02FFFFFFu);
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), 0x02000000u);
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), 0x02000000u);
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), 0x02FFFFFFu);

    EXPECT_NE(RealizePaletteForWindow(p, window_, hdc_, true), -1);
    EXPECT_FALSE(p->bColorsReplaced);
    EXPECT_EQ(GetSystemPaletteUse(hdc_), static_cast<UINT>(SYSPAL_STATIC));
    EXPECT_EQ(SelectedPalette(), p->hPal);
    EXPECT_EQ(SysColour("Window"), RGB(255, 0, 128));
    EXPECT_EQ(SysColour("Menu"), RGB(4, 5, 6));
    EXPECT_EQ(SysColour("ButtonFace"), RGB(7, 8, 9));
    EXPECT_EQ(SysColour("Scrollbar"), RGB(10, 11, 12));
}

TEST_F(PaletteGdi, SecondActivationWhileTheColoursAreReplacedChangesNothingButRealises)
{
    SetSysColour(COLOR_SCROLLBAR, RGB(10, 20, 30));
    DeleteUserColour("Scrollbar");
    SaverPalette* p = Create(false, PFD_NEED_SYSTEM_PALETTE);
    ASSERT_NE(p, nullptr);
    ASSERT_NE(RealizePaletteForWindow(p, window_, hdc_, false), -1);
    ASSERT_TRUE(p->bColorsReplaced);

    // Someone else changes a colour and the static colours come back meanwhile.
    SetSysColour(COLOR_SCROLLBAR, RGB(9, 9, 9));
    SetSystemPaletteUse(hdc_, SYSPAL_STATIC);
    SelectPalette(hdc_, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), TRUE);

    EXPECT_NE(RealizePaletteForWindow(p, window_, hdc_, false), -1);
    EXPECT_TRUE(p->bColorsReplaced);
    EXPECT_EQ(GetSysColor(COLOR_SCROLLBAR), RGB(9, 9, 9));             // not replaced again
    EXPECT_EQ(GetSystemPaletteUse(hdc_), static_cast<UINT>(SYSPAL_STATIC));  // not switched
    EXPECT_EQ(SelectedPalette(), p->hPal);                              // but realised

    // The colours saved at the first take-over are the ones given back.
    RealizePaletteForWindow(p, window_, hdc_, true);
    EXPECT_EQ(GetSysColor(COLOR_SCROLLBAR), RGB(10, 20, 30));
}

TEST_F(PaletteGdi, WithoutTheUsersColourKeyTheSavedColoursAreGivenBack)
{
    RegDeleteKeyA(HKEY_CURRENT_USER, "Control Panel\\Colors");
    SetSysColour(COLOR_WINDOW, RGB(1, 2, 3));
    SetSysColour(COLOR_INFOBK, RGB(4, 5, 6));
    SaverPalette* p = Create(false, PFD_NEED_SYSTEM_PALETTE);
    ASSERT_NE(p, nullptr);
    ASSERT_NE(RealizePaletteForWindow(p, window_, hdc_, false), -1);
    ASSERT_TRUE(p->bColorsReplaced);
    EXPECT_NE(RealizePaletteForWindow(p, window_, hdc_, true), -1);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(1, 2, 3));
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(4, 5, 6));
}

TEST_F(PaletteGdi, RefusedTakeOverRealisesInTheBackgroundAndLeavesTheColours)
{
    SetSystemPaletteUse(hdc_, SYSPAL_NOSTATIC);  // another program holds the static colours
    SetSysColour(COLOR_WINDOW, RGB(1, 2, 3));
    SaverPalette* p = Create(false, PFD_NEED_SYSTEM_PALETTE);
    ASSERT_NE(p, nullptr);
    EXPECT_NE(RealizePaletteForWindow(p, window_, hdc_, false), -1);
    EXPECT_FALSE(p->bColorsReplaced);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(1, 2, 3));
    EXPECT_EQ(SelectedPalette(), p->hPal);
}

TEST_F(PaletteGdi, WindowHandlerRealisesOnActivationAndForeignPaletteChanges)
{
    SaverPalette* p = Create(false, PFD_NEED_SYSTEM_PALETTE);
    ASSERT_NE(p, nullptr);

    shell_.bActive = true;
    EXPECT_EQ(PaletteHandleMessage(p, window_, WM_ACTIVATE, WA_ACTIVE, 0), 0);
    EXPECT_TRUE(p->bColorsReplaced);  // foreground realisation took the colours over

    // A change this window caused, or any change while it is active, is ignored.
    EXPECT_EQ(PaletteHandleMessage(p, window_, WM_PALETTECHANGED, (WPARAM)window_, 0), 0);
    EXPECT_EQ(PaletteHandleMessage(p, window_, WM_PALETTECHANGED, 0, 0), 0);
    EXPECT_TRUE(p->bColorsReplaced);

    shell_.bActive = false;
    EXPECT_EQ(PaletteHandleMessage(p, window_, WM_PALETTECHANGED, (WPARAM)window_, 0), 0);
    EXPECT_TRUE(p->bColorsReplaced);
    EXPECT_EQ(PaletteHandleMessage(p, window_, WM_PALETTECHANGED, 0, 0), 0);
    EXPECT_FALSE(p->bColorsReplaced);  // background realisation gave them back
    EXPECT_EQ(SelectedPalette(), p->hPal);
}

TEST_F(PaletteGdi, QueryNewPaletteIsAnsweredPerRunMode)
{
    SaverPalette* p = Create(false, PFD_NEED_SYSTEM_PALETTE);
    ASSERT_NE(p, nullptr);
    shell_.bActive = true;

    shell_.runMode = Windowed;
    EXPECT_EQ(PaletteHandleMessage(p, window_, WM_QUERYNEWPALETTE, 0, 0), 1);
    EXPECT_FALSE(p->bColorsReplaced);  // nothing realised

    shell_.runMode = Preview;
    EXPECT_EQ(PaletteHandleMessage(p, window_, WM_QUERYNEWPALETTE, 0, 0), 0);
    EXPECT_TRUE(p->bColorsReplaced);
}

TEST_F(PaletteGdi, RealisationWaitsForTheGlContext)
{
    SaverPalette* p = Create(false);
    ASSERT_NE(p, nullptr);
    record_.hglrc = nullptr;
    PaletteHandleMessage(p, window_, WM_USER, 0, 0);
    EXPECT_TRUE(p->bFlushPending);
    EXPECT_NE(SelectedPalette(), p->hPal);

    record_.hglrc = reinterpret_cast<HGLRC>(1);
    PaletteHandleMessage(p, window_, WM_USER, 0, 0);
    EXPECT_FALSE(p->bFlushPending);
    EXPECT_EQ(SelectedPalette(), p->hPal);
}

TEST_F(PaletteGdi, SystemColourChangeRebuildsAndRealisesTheNewPalette)
{
    SaverPalette* p = Create(false);
    ASSERT_NE(p, nullptr);
    ASSERT_NE(RealizePaletteForWindow(p, window_, hdc_, false), -1);
    HPALETTE old = p->hPal;

    EXPECT_EQ(PaletteHandleMessage(p, window_, WM_SYSCOLORCHANGE, 0, 0), 0);
    EXPECT_NE(p->hPal, old);
    EXPECT_EQ(GetObjectType(old), 0u);  // the old palette is gone
    EXPECT_FALSE(p->bFlushPending);     // set by the rebuild, cleared by the realisation
    EXPECT_EQ(SelectedPalette(), p->hPal);
    EXPECT_EQ(EntriesOf(p->hPal)[kStandardSlots[7]].peFlags, 0);  // static colours placed again
}

TEST_F(PaletteGdi, TeardownWhileTheColoursAreReplacedGivesThemBack)
{
    SetSysColour(COLOR_SCROLLBAR, RGB(10, 20, 30));
    DeleteUserColour("Scrollbar");
    SaverPalette* p = Create(false, PFD_NEED_SYSTEM_PALETTE);
    ASSERT_NE(p, nullptr);
    ASSERT_NE(RealizePaletteForWindow(p, window_, hdc_, false), -1);
    ASSERT_TRUE(p->bColorsReplaced);
    HPALETTE hPal = p->hPal;

    TeardownSaverPalette(p, hdc_);
    EXPECT_EQ(shell_.pPalette, nullptr);
    EXPECT_EQ(GetSysColor(COLOR_SCROLLBAR), RGB(10, 20, 30));
    EXPECT_EQ(GetSystemPaletteUse(hdc_), static_cast<UINT>(SYSPAL_STATIC));
    EXPECT_EQ(SelectedPalette(), static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)));
    EXPECT_EQ(GetObjectType(hPal), 0u);
}

// Giving the colours back makes the system send its colour-change message to the window
// there and then; an active window's palette must not take them over again.
TEST_F(PaletteGdi, TeardownOfAnActiveWindowLeavesTheUsersColours)
{
    SetSysColour(COLOR_SCROLLBAR, RGB(10, 20, 30));
    DeleteUserColour("Scrollbar");
    shell_.bActive = true;
    SaverPalette* p = Create(false, PFD_NEED_SYSTEM_PALETTE);
    ASSERT_NE(p, nullptr);
    ASSERT_NE(RealizePaletteForWindow(p, window_, hdc_, false), -1);
    ASSERT_TRUE(p->bColorsReplaced);

    g_routeColourChanges = true;
    TeardownSaverPalette(p, hdc_);
    g_routeColourChanges = false;
    EXPECT_EQ(GetSysColor(COLOR_SCROLLBAR), RGB(10, 20, 30));
    EXPECT_EQ(GetSystemPaletteUse(hdc_), static_cast<UINT>(SYSPAL_STATIC));
}

TEST_F(PaletteGdi, WithoutAPaletteEveryPaletteMessageIsAnsweredWithZero)
{
    for (UINT message : {WM_ACTIVATE, WM_SYSCOLORCHANGE, WM_QUERYNEWPALETTE, WM_PALETTECHANGED, WM_USER})
        EXPECT_EQ(PaletteHandleMessage(nullptr, window_, message, 1, 0), 0) << message;
}
