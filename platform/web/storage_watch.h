// Tells when a file has been replaced or rewritten since it was last looked
// at, so that a save can be handed on to the browser's storage.
#ifndef PLATFORM_STORAGE_WATCH_H
#define PLATFORM_STORAGE_WATCH_H

#include <string>

namespace plat {

struct FileStamp {
    bool present = false;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedNs = 0;
};

FileStamp StampOf(const std::string& path);

// True when `path` is not as `seen` recorded it; `seen` then records it as
// it is now. A file still absent, or untouched, is no change.
bool FileChangedSince(const std::string& path, FileStamp& seen);

}  // namespace plat

#endif
