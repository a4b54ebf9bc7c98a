// The installer's decisions that need no Windows calls: the install folder text, the
// folder levels to create, the payload's target paths and progress steps, the settings
// to seed, the welcome text's placement and the screensaver hand-over parameters.
#ifndef SELENARIUM_INSTALL_PLAN_H
#define SELENARIUM_INSTALL_PLAN_H

#include <string>
#include <vector>

// The longest folder text taken from the setup dialog (the backslash comes on top).
const int kInstallFolderMaxTyped = 298;

// The folder proposed in the setup dialog: the Program Files folder (or "C:" when it
// is unknown) followed by "\Selenarium 3D".
std::string ProposeInstallFolder(const char* program_files_dir);

// The typed folder cut to its first 298 characters, ending with exactly one added
// backslash unless it already ends with one; an empty text gives "\".
std::string FinishInstallFolder(const std::string& typed);

// The folders to create, root first, so that `path` exists afterwards: every prefix that
// ends just before a backslash (the drive itself and empty prefixes skipped), then the
// whole path.
std::vector<std::string> FolderPathLevels(const std::string& path);

// The progress added per payload file: 100 divided by the count, rounded up.
int PayloadProgressStep(int file_count);

// The file count stored as decimal text; anything unreadable counts as 0.
int ParsePayloadFileCount(const char* text);

// Where payload file `index` goes: the first (the screensaver) into the system folder,
// every other into the install folder.
std::string PayloadTargetPath(int index, const std::string& system_dir,
                              const std::string& install_folder, const std::string& name);

// The parameters that hand the screensaver to the display control panel.
std::string ScreenSaverInstallParameters(const std::string& screen_saver_path);

// One value seeded into the settings key before any file is written.
struct SeededSetting {
  const char* name;
  bool is_string;             // REG_SZ with its terminating zero, else REG_BINARY
  std::string text;           // for strings
  std::vector<unsigned char> bytes;  // for binary values
};

// The seven values seeded for a fresh installation; `russian` selects Language = 1.
std::vector<SeededSetting> SeededSettings(const std::string& install_folder, bool russian);

// The welcome text's top edge in client pixels: the middle of the picture for English,
// 2/5 of its height below its top for the two-line Russian text.
int WelcomeTextTop(int picture_top, int picture_bottom, bool russian);

#endif
