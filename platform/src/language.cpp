// The interface language the game asks for: --lang or settings.ini, else the
// system's locale, Japanese for a Japanese one and English for any other.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "settings_store.h"

namespace plat {

static const LANGID JAPANESE = 0x0411;
static const LANGID ENGLISH_US = 0x0409;

// The first of LC_ALL, LC_MESSAGES and LANG that is set, as the C library reads them.
static bool SystemIsJapanese()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = getenv(name);
        if (value != NULL && value[0] != '\0') {
            return strncmp(value, "ja", 2) == 0;
        }
    }
    return false;
}

}  // namespace plat

LANGID WINAPI GetUserDefaultUILanguage(void)
{
    const std::string& chosen = plat::g_settings.language;
    bool japanese = chosen.empty() ? plat::SystemIsJapanese() : chosen == "ja";
    return japanese ? plat::JAPANESE : plat::ENGLISH_US;
}
