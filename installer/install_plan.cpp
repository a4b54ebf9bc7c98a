#include "installer/install_plan.h"

#include <cstdlib>

std::string ProposeInstallFolder(const char* program_files_dir) {
  std::string folder = program_files_dir ? program_files_dir : "C:";
  return folder + "\\Selenarium 3D";
}

std::string FinishInstallFolder(const std::string& typed) {
  std::string folder = typed.substr(0, kInstallFolderMaxTyped);
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder;
}

std::vector<std::string> FolderPathLevels(const std::string& path) {
  std::vector<std::string> levels;
  // A drive ("C:") is not a folder to create; nor is the empty text before a leading
  // backslash or the "\\" of a network path.
  for (size_t i = 0; i < path.size(); ++i) {
    if (path[i] != '\\') continue;
    std::string prefix = path.substr(0, i);
    if (prefix.empty() || prefix.back() == '\\') continue;
    if (prefix.size() == 2 && prefix[1] == ':') continue;
    levels.push_back(prefix);
  }
  levels.push_back(path);
  return levels;
}

int PayloadProgressStep(int file_count) {
  if (file_count <= 0) return 0;
  return (100 + file_count - 1) / file_count;
}

int ParsePayloadFileCount(const char* text) {
  if (!text) return 0;
  return std::atoi(text);
}

std::string PayloadTargetPath(int index, const std::string& system_dir,
                              const std::string& install_folder, const std::string& name) {
  if (index != 0) return install_folder + name;
  std::string path = system_dir;
  if (path.empty() || path.back() != '\\') path += '\\';
  return path + name;
}

std::string ScreenSaverInstallParameters(const std::string& screen_saver_path) {
  return "desk.cpl,InstallScreenSaver " + screen_saver_path;
}

std::vector<SeededSetting> SeededSettings(const std::string& install_folder, bool russian) {
  std::vector<SeededSetting> values;
  values.push_back({"textures00", true, install_folder + "moon_2048x1024.bmp", {}});
  values.push_back({"textures01", true, install_folder + "moon_256x128.bmp", {}});
  values.push_back({"places00", true, install_folder + "town_en", {}});
  values.push_back({"places01", true, install_folder + "town_ru", {}});
  values.push_back({"Language", false, "",
                    {static_cast<unsigned char>(russian ? 1 : 0), 0, 0, 0}});
  values.push_back({"ShowStar", false, "", {1}});
  values.push_back({"ShowText", false, "", {1}});
  return values;
}

int WelcomeTextTop(int picture_top, int picture_bottom, bool russian) {
  int height = picture_bottom - picture_top;
  return russian ? picture_top + height * 2 / 5 : picture_top + height / 2;
}
