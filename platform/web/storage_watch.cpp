// A file's identity, length and time of change, compared with an earlier look.
#include "storage_watch.h"

#include <sys/stat.h>

namespace plat {

FileStamp StampOf(const std::string& path)
{
    FileStamp stamp;
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        return stamp;
    }
    stamp.present = true;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modifiedNs = (long long)info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec;
    return stamp;
}

bool FileChangedSince(const std::string& path, FileStamp& seen)
{
    FileStamp now = StampOf(path);
    bool changed = now.present != seen.present || now.inode != seen.inode || now.size != seen.size ||
                   now.modifiedNs != seen.modifiedNs;
    seen = now;
    return changed;
}

}  // namespace plat
