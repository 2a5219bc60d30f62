// The resources the build puts into the executable (generated at build time).
#ifndef PLATFORM_EMBEDDED_RESOURCES_H
#define PLATFORM_EMBEDDED_RESOURCES_H

namespace plat {

struct EmbeddedResource {
    const char* name;
    // "BITMAP" for bitmap resources, else the type's own name ("WAVE").
    const char* type;
    const unsigned char* data;
    unsigned long size;
};

extern const EmbeddedResource g_embeddedResources[];
extern const int g_embeddedResourceCount;

}  // namespace plat

#endif
