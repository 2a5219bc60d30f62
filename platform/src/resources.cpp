// Resource lookup in the executable's embedded table. Names and types compare
// without regard to case, as the system does.
#include <strings.h>

#include "embedded_resources.h"
#include "platform_state.h"

namespace plat {

static const char* TypeName(LPCSTR type)
{
    if (IS_INTRESOURCE(type)) {
        return (UINT_PTR)type == (UINT_PTR)RT_BITMAP ? "BITMAP" : NULL;
    }
    return type;
}

const EmbeddedResource* FindEmbedded(LPCSTR name, LPCSTR type)
{
    const char* typeName = TypeName(type);
    if (name == NULL || IS_INTRESOURCE(name) || typeName == NULL) {
        return nullptr;
    }
    for (int i = 0; i < g_embeddedResourceCount; i++) {
        const EmbeddedResource& r = g_embeddedResources[i];
        if (strcasecmp(r.name, name) == 0 && strcasecmp(r.type, typeName) == 0) {
            return g_seam.hiddenResources.count(r.name) ? nullptr : &r;
        }
    }
    return nullptr;
}

}  // namespace plat

HRSRC WINAPI FindResourceA(HMODULE, LPCSTR name, LPCSTR type)
{
    return (HRSRC)plat::FindEmbedded(name, type);
}

HGLOBAL WINAPI LoadResource(HMODULE, HRSRC resource)
{
    if (resource == NULL) {
        return NULL;
    }
    return (HGLOBAL)((const plat::EmbeddedResource*)resource)->data;
}

LPVOID WINAPI LockResource(HGLOBAL data)
{
    return data;
}

DWORD WINAPI SizeofResource(HMODULE, HRSRC resource)
{
    return resource == NULL ? 0 : (DWORD)((const plat::EmbeddedResource*)resource)->size;
}
