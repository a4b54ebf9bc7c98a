// Creates an install folder with every missing level above it.
#ifndef SELENARIUM_CREATE_FOLDER_PATH_H
#define SELENARIUM_CREATE_FOLDER_PATH_H

// True when the folder exists afterwards (an existing folder is success).
bool CreateFolderPath(const char* path);

#endif
