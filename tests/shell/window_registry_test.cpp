// The run's window registry and the records made for windows the shell did not create.
#include <gtest/gtest.h>

#include <string.h>

#include "shell/glscrnsv.h"
#include "shell/sswindow.h"

namespace {

HWND FakeHandle(UINT_PTR n)
{
    return reinterpret_cast<HWND>(n);
}

SaverWindow* FakeRecord(UINT_PTR n)
{
    return reinterpret_cast<SaverWindow*>(n * 16);
}

class WindowRegistry : public ::testing::Test {
protected:
    void SetUp() override
    {
        memset(&shell, 0, sizeof shell);
        shell.runMode = Configure;
        g_pSaverShell = &shell;
    }
    void TearDown() override { g_pSaverShell = nullptr; }
    SaverShell shell;
};

TEST_F(WindowRegistry, FindsWhatWasAddedAndIgnoresASecondAdd)
{
    RegisterSaverWindow(&shell, FakeHandle(1), FakeRecord(1));
    RegisterSaverWindow(&shell, FakeHandle(2), FakeRecord(2));
    RegisterSaverWindow(&shell, FakeHandle(1), FakeRecord(3));
    EXPECT_EQ(shell.nRegistered, 2);
    EXPECT_EQ(FindSaverWindow(&shell, FakeHandle(1)), FakeRecord(1));
    EXPECT_EQ(FindSaverWindow(&shell, FakeHandle(2)), FakeRecord(2));
    EXPECT_EQ(FindSaverWindow(&shell, FakeHandle(3)), nullptr);
    EXPECT_EQ(FindSaverWindow(nullptr, FakeHandle(1)), nullptr);
}

TEST_F(WindowRegistry, RemovingMovesLaterPairsDown)
{
    for (UINT_PTR n = 1; n <= 3; ++n)
        RegisterSaverWindow(&shell, FakeHandle(n), FakeRecord(n));
    UnregisterSaverWindow(&shell, FakeHandle(2));
    UnregisterSaverWindow(&shell, FakeHandle(7));
    ASSERT_EQ(shell.nRegistered, 2);
    EXPECT_EQ(shell.registry[0].hwnd, FakeHandle(1));
    EXPECT_EQ(shell.registry[1].hwnd, FakeHandle(3));
    EXPECT_EQ(FindSaverWindow(&shell, FakeHandle(2)), nullptr);
    EXPECT_EQ(FindSaverWindow(&shell, FakeHandle(3)), FakeRecord(3));
}

TEST_F(WindowRegistry, HoldsTenWindowsAndNoMore)
{
    for (UINT_PTR n = 1; n <= 12; ++n)
        RegisterSaverWindow(&shell, FakeHandle(n), FakeRecord(n));
    EXPECT_EQ(shell.nRegistered, kWindowRegistryCapacity);
    EXPECT_EQ(FindSaverWindow(&shell, FakeHandle(10)), FakeRecord(10));
    EXPECT_EQ(FindSaverWindow(&shell, FakeHandle(11)), nullptr);
}

TEST_F(WindowRegistry, RecordsForNewAndExistingWindows)
{
    SaverWindow* fresh = NewWindowRecord(640, 480);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->bCreatedByShell, 1);
    EXPECT_EQ(fresh->width, 640);
    EXPECT_EQ(fresh->height, 480);
    EXPECT_EQ(fresh->hwnd, nullptr);
    EXPECT_EQ(fresh->pGlConfig, nullptr);
    FreeWindowRecord(fresh);

    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SaverWindow* existing = RecordForExistingWindow(window);
    ASSERT_NE(existing, nullptr);
    EXPECT_EQ(existing->bCreatedByShell, 0);
    EXPECT_EQ(existing->hwnd, window);
    // The client rectangle's right - left + 1 and bottom - top + 1.
    EXPECT_EQ(existing->width, 201);
    EXPECT_EQ(existing->height, 101);
    EXPECT_EQ(FindSaverWindow(&shell, window), existing);
    TeardownSaverWindow(existing);
    EXPECT_EQ(FindSaverWindow(&shell, window), nullptr);
    FreeWindowRecord(existing);
    DestroyWindow(window);
}

}  // namespace
