// The data folders' file operations on Windows, all through wide paths so
// that a folder named in any script works, whatever the code page.
#include <windows.h>

#include <cstdio>

#include "data_files.h"
#include "wide_text.h"

namespace plat {

static DWORD Attributes(const std::string& path)
{
    return GetFileAttributesW(Widen(path).c_str());
}

bool IsFolder(const std::string& path)
{
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFile(const std::string& path)
{
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Each part in turn; a part that exists, or a drive, is passed over.
bool MakeFolders(const std::string& path)
{
    for (size_t at = path.find_first_of("\\/", 3); at != std::string::npos; at = path.find_first_of("\\/", at + 1)) {
        CreateDirectoryW(Widen(path.substr(0, at)).c_str(), NULL);
    }
    if (!CreateDirectoryW(Widen(path).c_str(), NULL) && GetLastError() != ERROR_ALREADY_EXISTS) {
        return false;
    }
    return IsFolder(path);
}

bool CopyOneFile(const std::string& from, const std::string& to)
{
    return CopyFileW(Widen(from).c_str(), Widen(to).c_str(), FALSE) != 0;
}

bool EnterFolder(const std::string& path)
{
    return SetCurrentDirectoryW(Widen(path).c_str()) != 0;
}

std::string AbsolutePath(const std::string& path)
{
    wchar_t full[MAX_PATH * 4];
    DWORD length = GetFullPathNameW(Widen(path).c_str(), sizeof full / sizeof full[0], full, NULL);
    if (length == 0 || length >= sizeof full / sizeof full[0]) {
        return path;
    }
    return Narrow(std::wstring(full, length));
}

bool CanWriteIn(const std::string& folder)
{
    std::wstring probe = Widen(folder + "\\.write-probe");
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

static std::string StageFile(const std::string& folder, int number)
{
    char name[32];
    snprintf(name, sizeof name, "\\map%d.map", number);
    return folder + name;
}

// Windows has no links an ordinary user may make: the player's folder gets
// a copy of the shipped stages, renewed at every start, and loses stages
// the shipped set no longer has, so that the game counts the same stages.
bool ProvideStages(const std::string& shipped, const std::string& link)
{
    if (!MakeFolders(link)) {
        return false;
    }
    int number = 1;
    for (; IsFile(StageFile(shipped, number)); number++) {
        if (!CopyOneFile(StageFile(shipped, number), StageFile(link, number))) {
            return false;
        }
    }
    for (; IsFile(StageFile(link, number)); number++) {
        DeleteFileW(Widen(StageFile(link, number)).c_str());
    }
    return true;
}

bool ReplaceWithFile(const std::string& from, const std::string& to, bool writeThrough)
{
    DWORD flags = MOVEFILE_REPLACE_EXISTING | (writeThrough ? MOVEFILE_WRITE_THROUGH : 0);
    return MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), flags) != 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    bytes.clear();
    FILE* file = _wfopen(Widen(path).c_str(), L"rb");
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
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    bool whole = WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, NULL) && written == bytes.size() &&
                 FlushFileBuffers(file);
    return CloseHandle(file) && whole;
}

bool RemoveFile(const std::string& path)
{
    return DeleteFileW(Widen(path).c_str()) != 0;
}

unsigned long LastSystemError()
{
    return ::GetLastError();
}

std::string LastFileError()
{
    DWORD code = GetLastError();
    wchar_t* text = NULL;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  NULL, code, 0, (LPWSTR)&text, 0, NULL);
    std::wstring words = length > 0 ? std::wstring(text, length) : L"";
    LocalFree(text);
    while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' || words.back() == L'.')) {
        words.pop_back();
    }
    return words.empty() ? "error " + std::to_string(code) : Narrow(words);
}

}  // namespace plat
