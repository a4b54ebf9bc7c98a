// The installer's folder and registry operations on a real (Wine) system. The harness runs
// this program in a private Wine prefix: it replaces the settings key of the user it runs as.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installer/create_folder_path.h"
#include "installer/seed_settings.h"
#include "settings/settings_names.h"

namespace {

std::string TempFolder(const char* name) {
  char base[MAX_PATH];
  GetTempPathA(sizeof base, base);
  return std::string(base) + name + std::to_string(GetCurrentProcessId());
}

bool IsFolder(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(CreateFolderPath, MakesEveryMissingLevel) {
  std::string root = TempFolder("levels");
  std::string deep = root + "\\one\\two words\\three\\";
  ASSERT_FALSE(IsFolder(root));
  EXPECT_TRUE(CreateFolderPath(deep.c_str()));
  EXPECT_TRUE(IsFolder(root + "\\one\\two words\\three"));
  EXPECT_TRUE(CreateFolderPath(deep.c_str()));  // already there: still success
  EXPECT_TRUE(CreateFolderPath((root + "\\one").c_str()));
}

TEST(CreateFolderPath, FailsWhereAFileBlocksALevel) {
  std::string root = TempFolder("blocked");
  ASSERT_TRUE(CreateFolderPath(root.c_str()));
  std::string file = root + "\\plain";
  HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_FALSE(CreateFolderPath((file + "\\inner\\").c_str()));
  EXPECT_FALSE(CreateFolderPath("Q:\\No Such Drive\\Moon\\"));
  EXPECT_TRUE(CreateFolderPath("\\"));  // the root of the current drive exists
}

struct StoredValue {
  DWORD type = 0;
  std::vector<unsigned char> bytes;
};

bool ReadStored(const char* name, StoredValue& value) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Kestrelwick\\Selenarium\\Setting", 0, KEY_READ,
                    &key) != ERROR_SUCCESS) {
    return false;
  }
  DWORD size = 0;
  LONG result = RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size);
  value.bytes.resize(size);
  if (result == ERROR_SUCCESS && size > 0)
    result = RegQueryValueExA(key, name, nullptr, &value.type, value.bytes.data(), &size);
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

// One test for the key's whole life, in order: nothing exists, then the product key is
// prepared and the values are seeded.
TEST(SeedSettings, StringWriterNeedsTheKeyThenSeedsSevenValues) {
  RegDeleteKeyA(HKEY_CURRENT_USER, "SOFTWARE\\Kestrelwick\\Selenarium\\Setting");
  EXPECT_FALSE(WriteSettingString("Setting", "places00", "x", 1));

  ASSERT_TRUE(PrepareProductKey());
  ASSERT_TRUE(PrepareProductKey());  // an existing key is fine
  SeedSettings("D:\\Sky\\", true);

  StoredValue value;
  ASSERT_TRUE(ReadStored("textures00", value));
  EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
  std::string expected = "D:\\Sky\\moon_2048x1024.bmp";
  EXPECT_EQ(value.bytes.size(), expected.size() + 1);  // with its terminating zero
  EXPECT_STREQ(reinterpret_cast<const char*>(value.bytes.data()), expected.c_str());
  ASSERT_TRUE(ReadStored("Language", value));
  EXPECT_EQ(value.type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(value.bytes, (std::vector<unsigned char>{1, 0, 0, 0}));
  ASSERT_TRUE(ReadStored("ShowStar", value));
  EXPECT_EQ(value.bytes, std::vector<unsigned char>{1});

  EXPECT_TRUE(WriteSettingString("Setting", "places01", "abc", 3));
  ASSERT_TRUE(ReadStored("places01", value));
  EXPECT_EQ(value.bytes, (std::vector<unsigned char>{'a', 'b', 'c', 0}));
}

}  // namespace
