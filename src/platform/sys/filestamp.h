#pragma once
// What tells a file apart from its earlier versions without reading it: its inode, size, and change and
// modification times. A parse kept for a file counts only while the file has the stamp it was read
// with and was not changed within the last two seconds, so a rewrite inside one tick of the file
// system's clock is never missed.
#include <QString>

#include <sys/types.h>
#include <time.h>

namespace sys {

struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    struct timespec modified = {0, 0};
    struct timespec changed = {0, 0};
    bool operator==(const FileStamp& o) const;
};

// The stamp of a file given by its path on this system; false when it cannot be looked at.
bool stampOf(const QString& nativeFile, FileStamp& stamp);

// Whether the file changed so lately that a parse kept for it may be out of date.
bool changedLately(const FileStamp& stamp);

}  // namespace sys
