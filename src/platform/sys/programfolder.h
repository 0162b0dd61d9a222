#pragma once
// The program folder and the paths built on it.
//
// Code writes a path as the program folder followed by a tail with backslashes
// (`sys::appPath() + "\\txt\\应用.txt"`); every file function of this layer accepts such a path and
// turns it into a native one.
#include <QString>

namespace sys {

// The program folder, without a separator at its end: the executable's folder unless set.
QString appPath();
// Makes `folder` the program folder (tests use a temporary one); "" restores the executable's folder.
void setAppPath(const QString& folder);

// The native form of a path: every backslash becomes "/".
QString nativePath(const QString& path);

// A program path as written in this program's Windows-style form (backslashes, "….exe") turned into the
// native path of the file that exists: separators made native, and ".exe" dropped when only the file
// without it exists.
QString nativeProgramPath(const QString& path);

bool fileExists(const QString& path);    // a file (not a folder) is there
bool folderExists(const QString& path);  // a folder is there
// Makes the folder `path` when it is missing, with every missing folder above it. True when the folder
// is there afterwards; false when it could not be made (a file stands in its place or above it, or
// the place refuses).
bool makeFolder(const QString& path);

}  // namespace sys
