#include "platform/sys/filestamp.h"

#include <QFile>

#include <sys/stat.h>

#include <algorithm>

namespace sys {

bool FileStamp::operator==(const FileStamp& o) const {
    return device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec &&
           modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec &&
           changed.tv_nsec == o.changed.tv_nsec;
}

bool stampOf(const QString& nativeFile, FileStamp& stamp) {
    struct stat st;
    if (::stat(QFile::encodeName(nativeFile).constData(), &st) != 0) return false;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modified = st.st_mtim;
    stamp.changed = st.st_ctim;
    return true;
}

bool changedLately(const FileStamp& stamp) {
    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    const time_t newest = std::max(stamp.modified.tv_sec, stamp.changed.tv_sec);
    return now.tv_sec - newest < 2;
}

}  // namespace sys
