// Checks what every Wine test relies on: a private 1024 x 768 display and a fresh registry.
#include <windows.h>
#include <gtest/gtest.h>

TEST(WineHarness, DisplayIsThePrivateXvfbScreen) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
}

TEST(WineHarness, PrefixStartsWithoutProductSettings) {
    HKEY key = nullptr;
    LONG rc = RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Kestrelwick", 0, KEY_READ, &key);
    if (rc == ERROR_SUCCESS) RegCloseKey(key);
    EXPECT_EQ(rc, ERROR_FILE_NOT_FOUND);
}
