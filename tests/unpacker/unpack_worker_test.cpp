// UnpackWorker against a small progress dialog with timer 1 and progress bar 1025.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "unpacker/unpack_worker.h"

namespace {

struct DialogLog {
    bool outcomeSeen;
    WPARAM command;
    LPARAM outcome;
    int timerTicks;
};
DialogLog gLog;

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_TIMER:
        if (w == 1) {
            // The progress dialog's animation while the worker runs.
            ++gLog.timerTicks;
            LRESULT pos = SendDlgItemMessageA(dialog, 1025, PBM_GETPOS, 0, 0);
            SendDlgItemMessageA(dialog, 1025, PBM_SETPOS, (pos + 2) % 100, 0);
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(w) == 1) {
            gLog.outcomeSeen = true;
            gLog.command = w;
            gLog.outcome = l;
        }
        return TRUE;
    }
    return FALSE;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

class UnpackWorkerTest : public testing::Test {
protected:
    void SetUp() override {
        InitCommonControls();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "selenarium-unpack-" + std::to_string(GetCurrentProcessId()) + "-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        pack_ = folder_ + "moon_1024x1024.pack";
        texture_ = folder_ + "moon_2048x1024.bmp";
        gLog = DialogLog{false, 0, -1, 0};
    }
    void TearDown() override {
        DeleteFileA(pack_.c_str());
        DeleteFileA(texture_.c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    void CopyShippedPack(DWORD keepBytes = 0) {
        ASSERT_TRUE(CopyFileA(SELENARIUM_TEST_PACK, pack_.c_str(), FALSE)) << SELENARIUM_TEST_PACK;
        if (keepBytes) {
            HANDLE f = CreateFileA(pack_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(f, INVALID_HANDLE_VALUE);
            SetFilePointer(f, static_cast<LONG>(keepBytes), nullptr, FILE_BEGIN);
            SetEndOfFile(f);
            CloseHandle(f);
        }
    }
    // Runs the worker on the test dialog and pumps messages until the outcome arrives.
    void RunWorker(bool extracted) {
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(100), nullptr,
                                         TestDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        ShowWindow(dialog, SW_SHOW);
        SendDlgItemMessageA(dialog, 1025, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
        ASSERT_NE(SetTimer(dialog, 1, 100, nullptr), 0u);
        SetUnpackWorkerInput(folder_.c_str(), extracted);
        HANDLE thread = CreateThread(nullptr, 0, UnpackWorker, dialog, 0, nullptr);
        ASSERT_NE(thread, nullptr);
        const DWORD deadline = GetTickCount() + 60000;
        while (!gLog.outcomeSeen && GetTickCount() < deadline) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (!IsDialogMessageA(dialog, &msg)) {
                    TranslateMessage(&msg);
                    DispatchMessageA(&msg);
                }
            }
        }
        EXPECT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
        DWORD code = 99;
        GetExitCodeThread(thread, &code);
        EXPECT_EQ(code, 0u);
        CloseHandle(thread);
        ASSERT_TRUE(gLog.outcomeSeen);
        EXPECT_EQ(gLog.command, MAKEWPARAM(1, 0));
        // Timer 1 is already gone, the bar is full and the dialog hidden.
        EXPECT_FALSE(KillTimer(dialog, 1));
        EXPECT_EQ(SendDlgItemMessageA(dialog, 1025, PBM_GETPOS, 0, 0), 100);
        EXPECT_FALSE(IsWindowVisible(dialog));
        DestroyWindow(dialog);
    }
    std::string folder_, pack_, texture_;
};

TEST_F(UnpackWorkerTest, UnpacksTheShippedPictureAndReportsSuccess) {
    CopyShippedPack();
    RunWorker(true);
    EXPECT_EQ(gLog.outcome, 1);
    EXPECT_FALSE(FileExists(pack_));
    EXPECT_EQ(FileSize(texture_), 2097206);
}

TEST_F(UnpackWorkerTest, FailedExtractionMakesTheOutcomeFailureEvenWhenUnpackingWorks) {
    CopyShippedPack();
    RunWorker(false);
    EXPECT_EQ(gLog.outcome, 0);
    EXPECT_FALSE(FileExists(pack_));
}

TEST_F(UnpackWorkerTest, MissingOrDamagedPackReportsFailureWithoutTexture) {
    RunWorker(true);
    EXPECT_EQ(gLog.outcome, 0);
    EXPECT_FALSE(FileExists(texture_));

    gLog = DialogLog{false, 0, -1, 0};
    CopyShippedPack(5000);   // the coded stream is cut short
    RunWorker(true);
    EXPECT_EQ(gLog.outcome, 0);
    EXPECT_FALSE(FileExists(pack_));
    EXPECT_FALSE(FileExists(texture_));
}

}  // namespace
