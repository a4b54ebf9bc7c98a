#include "installer/create_folder_path.h"

#include <windows.h>

#include "installer/install_plan.h"

namespace {

bool FolderExists(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool CreateFolderPath(const char* path) {
  if (CreateDirectoryA(path, nullptr) || FolderExists(path)) return FolderExists(path);
  // A parent is missing: make the levels from the root down; levels that already exist
  // simply fail to be created again.
  for (const std::string& level : FolderPathLevels(path)) {
    CreateDirectoryA(level.c_str(), nullptr);
  }
  return FolderExists(path);
}
