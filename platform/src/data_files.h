// The few file operations the data folders need, on the host system's own
// calls. Paths are UTF-8 on every system; Windows takes them as wide paths.
#ifndef DATA_FILES_H
#define DATA_FILES_H

#include <string>

namespace plat {

bool IsFolder(const std::string& path);
bool IsFile(const std::string& path);
// Makes the folder and any missing parents.
bool MakeFolders(const std::string& path);
bool CopyOneFile(const std::string& from, const std::string& to);
bool EnterFolder(const std::string& path);
// The path from the root, so that it still names the same place from
// another working folder; links are resolved where the path exists.
std::string AbsolutePath(const std::string& path);
// Whether a new file can be made in the folder (a probe made and removed).
bool CanWriteIn(const std::string& folder);
// Puts the shipped stage folder in reach at `link`: a symbolic link where
// the system has them, otherwise a copy kept equal to the shipped stages.
bool ProvideStages(const std::string& shipped, const std::string& link);
// Moves `from` over `to`, replacing it whole; with writeThrough only once
// the move is on the disk.
bool ReplaceWithFile(const std::string& from, const std::string& to, bool writeThrough);
// The whole file in `bytes`.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Writes `bytes` as the whole file, on the disk before it returns true.
bool WriteWholeFileSynced(const std::string& path, const std::string& bytes);
bool RemoveFile(const std::string& path);
// The reason the last of these calls failed, in words.
std::string LastFileError();
#ifdef _WIN32
// The system's code for it.
unsigned long LastSystemError();
#endif

}  // namespace plat

#endif
