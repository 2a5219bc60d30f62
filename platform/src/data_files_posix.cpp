// The data folders' file operations on POSIX systems.
#include "data_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace plat {

bool IsFolder(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFile(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool MakeFolders(const std::string& path)
{
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        std::string part = path.substr(0, slash);
        if (!part.empty() && mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            return IsFolder(path);
        }
    }
}

bool CopyOneFile(const std::string& from, const std::string& to)
{
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    if (!in || !out) {
        return false;
    }
    out << in.rdbuf();
    out.close();
    return !out.fail();
}

bool EnterFolder(const std::string& path)
{
    return chdir(path.c_str()) == 0;
}

std::string AbsolutePath(const std::string& path)
{
    char* resolved = realpath(path.c_str(), NULL);
    if (resolved != NULL) {
        std::string absolute = resolved;
        free(resolved);
        return absolute;
    }
    char here[4096];
    if (path.empty() || path[0] == '/' || getcwd(here, sizeof here) == NULL) {
        return path;
    }
    return std::string(here) + "/" + path;
}

bool CanWriteIn(const std::string& folder)
{
    std::string probe = folder + "/.write-probe";
    int file = open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0) {
        return false;
    }
    close(file);
    return unlink(probe.c_str()) == 0;
}

#ifndef __EMSCRIPTEN__
// The browser's storage would keep the stages behind a link as its own
// files: there platform/web/stages_copy.cpp copies them instead.
bool ProvideStages(const std::string& shipped, const std::string& link)
{
    struct stat info;
    if (lstat(link.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            return IsFolder(link);
        }
        char target[4096];
        ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
        if (length >= 0 && shipped == std::string(target, length)) {
            return true;
        }
        if (unlink(link.c_str()) != 0) {
            return false;
        }
    }
    return symlink(shipped.c_str(), link.c_str()) == 0;
}
#endif

bool ReplaceWithFile(const std::string& from, const std::string& to, bool)
{
    return rename(from.c_str(), to.c_str()) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    bytes.clear();
    FILE* file = fopen(path.c_str(), "rb");
    if (file == NULL) {
        return false;
    }
    char chunk[65536];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.append(chunk, got);
    }
    bool whole = ferror(file) == 0;
    fclose(file);
    return whole;
}

bool WriteWholeFileSynced(const std::string& path, const std::string& bytes)
{
    FILE* file = fopen(path.c_str(), "wb");
    if (file == NULL) {
        return false;
    }
    bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && fflush(file) == 0 &&
                   fsync(fileno(file)) == 0;
    return fclose(file) == 0 && written;
}

bool RemoveFile(const std::string& path)
{
    return unlink(path.c_str()) == 0;
}

std::string LastFileError()
{
    return strerror(errno);
}

}  // namespace plat
