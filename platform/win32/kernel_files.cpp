// The file calls the game makes on Windows, against the stand-in headers:
// replacing score.dat goes through the system's own wide-path call, and its
// failure's reason is the system's.
#include <windows.h>

#include "data_files.h"

BOOL WINAPI MoveFileExA(LPCSTR existingName, LPCSTR newName, DWORD flags)
{
    return plat::ReplaceWithFile(existingName, newName, (flags & MOVEFILE_WRITE_THROUGH) != 0);
}

DWORD WINAPI GetLastError(void)
{
    return plat::LastSystemError();
}
