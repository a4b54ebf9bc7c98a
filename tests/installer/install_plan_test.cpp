// The installer's folder, payload and settings rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installer/install_plan.h"

namespace {

TEST(InstallFolder, ProposalFromProgramFiles) {
  EXPECT_EQ(ProposeInstallFolder("C:\\Program Files"), "C:\\Program Files\\Selenarium 3D");
  EXPECT_EQ(ProposeInstallFolder(nullptr), "C:\\Selenarium 3D");
}

TEST(InstallFolder, EndsWithOneBackslash) {
  struct Case {
    std::string typed, folder;
  } cases[] = {
      {"C:\\Games\\Moon", "C:\\Games\\Moon\\"},
      {"C:\\Games\\Moon\\", "C:\\Games\\Moon\\"},
      {"", "\\"},
      {"D:", "D:\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(FinishInstallFolder(c.typed), c.folder) << c.typed;
}

TEST(InstallFolder, LongTextCutTo298CharactersBeforeTheBackslash) {
  std::string typed = "C:\\" + std::string(400, 'a');
  std::string folder = FinishInstallFolder(typed);
  EXPECT_EQ(folder.size(), 299u);
  EXPECT_EQ(folder.substr(0, 298), typed.substr(0, 298));
  EXPECT_EQ(folder.back(), '\\');
}

TEST(FolderPathLevels, RootFirstWithoutDriveOrEmptyLevels) {
  struct Case {
    std::string path;
    std::vector<std::string> levels;
  } cases[] = {
      {"C:\\A\\B\\C\\", {"C:\\A", "C:\\A\\B", "C:\\A\\B\\C", "C:\\A\\B\\C\\"}},
      {"C:\\A\\B", {"C:\\A", "C:\\A\\B"}},
      {"C:\\", {"C:\\"}},
      {"\\Moon\\", {"\\Moon", "\\Moon\\"}},
      {"\\\\server\\share\\x\\", {"\\\\server", "\\\\server\\share", "\\\\server\\share\\x",
                                  "\\\\server\\share\\x\\"}},
  };
  for (const Case& c : cases) EXPECT_EQ(FolderPathLevels(c.path), c.levels) << c.path;
}

TEST(Payload, ProgressStepRoundsUp) {
  EXPECT_EQ(PayloadProgressStep(7), 15);
  EXPECT_EQ(PayloadProgressStep(1), 100);
  EXPECT_EQ(PayloadProgressStep(3), 34);
  EXPECT_EQ(PayloadProgressStep(100), 1);
  EXPECT_EQ(PayloadProgressStep(0), 0);
}

TEST(Payload, FileCountFromDecimalText) {
  EXPECT_EQ(ParsePayloadFileCount("7"), 7);
  EXPECT_EQ(ParsePayloadFileCount(""), 0);
  EXPECT_EQ(ParsePayloadFileCount("x"), 0);
  EXPECT_EQ(ParsePayloadFileCount("-3"), -3);
  EXPECT_EQ(ParsePayloadFileCount(nullptr), 0);
}

TEST(Payload, ScreenSaverGoesToTheSystemFolderOthersToTheInstallFolder) {
  const std::string folder = "D:\\Moon\\";
  EXPECT_EQ(PayloadTargetPath(0, "C:\\WINDOWS\\SYSTEM32", folder, "Selenarium.scr"),
            "C:\\WINDOWS\\SYSTEM32\\Selenarium.scr");
  EXPECT_EQ(PayloadTargetPath(0, "C:\\", folder, "Selenarium.scr"), "C:\\Selenarium.scr");
  EXPECT_EQ(PayloadTargetPath(1, "C:\\WINDOWS\\SYSTEM32", folder, "town_en"), "D:\\Moon\\town_en");
  EXPECT_EQ(PayloadTargetPath(6, "C:\\WINDOWS\\SYSTEM32", folder, "license.txt"),
            "D:\\Moon\\license.txt");
}

TEST(Payload, ControlPanelParametersCarryTheUnquotedPath) {
  EXPECT_EQ(ScreenSaverInstallParameters("C:\\WINDOWS\\SYSTEM32\\Selenarium.scr"),
            "desk.cpl,InstallScreenSaver C:\\WINDOWS\\SYSTEM32\\Selenarium.scr");
}

TEST(SeededSettings, SevenValuesWithTheirTypesAndBytes) {
  for (bool russian : {false, true}) {
    std::vector<SeededSetting> values = SeededSettings("E:\\Sky\\", russian);
    ASSERT_EQ(values.size(), 7u);
    const char* names[] = {"textures00", "textures01", "places00", "places01",
                           "Language", "ShowStar", "ShowText"};
    const char* paths[] = {"E:\\Sky\\moon_2048x1024.bmp", "E:\\Sky\\moon_256x128.bmp",
                           "E:\\Sky\\town_en", "E:\\Sky\\town_ru"};
    for (int i = 0; i < 7; ++i) EXPECT_STREQ(values[i].name, names[i]);
    for (int i = 0; i < 4; ++i) {
      EXPECT_TRUE(values[i].is_string);
      EXPECT_EQ(values[i].text, paths[i]);
    }
    using Bytes = std::vector<unsigned char>;
    EXPECT_FALSE(values[4].is_string);
    EXPECT_EQ(values[4].bytes, (Bytes{static_cast<unsigned char>(russian ? 1 : 0), 0, 0, 0}));
    EXPECT_EQ(values[5].bytes, Bytes{1});
    EXPECT_EQ(values[6].bytes, Bytes{1});
  }
}

TEST(WelcomeText, MiddleOfThePictureForEnglishTwoFifthsForRussian) {
  EXPECT_EQ(WelcomeTextTop(22, 111, false), 22 + 89 / 2);
  EXPECT_EQ(WelcomeTextTop(22, 111, true), 22 + 89 * 2 / 5);
  EXPECT_LT(WelcomeTextTop(22, 111, true), WelcomeTextTop(22, 111, false));
}

}  // namespace
