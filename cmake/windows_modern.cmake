# The modern Windows executable: the game's sources on our own platform layer
# (SDL2, FreeType, the system's code page conversion), linked statically.
# HOST_BUILD_DIR names a host build, which drew the pictures and generated the
# sources made from text; SDL2 and FreeType come from scripts/build_deps.sh.
if(NOT HOST_BUILD_DIR)
    message(FATAL_ERROR "Set HOST_BUILD_DIR to a host build's folder")
endif()
find_package(SDL2 REQUIRED CONFIG)
find_package(freetype REQUIRED CONFIG)

include(cmake/game_sources.cmake)
include(cmake/platform_sources.cmake)
add_library(game_resources STATIC ${HOST_BUILD_DIR}/embedded_resources.cpp)
target_include_directories(game_resources PRIVATE ${CMAKE_SOURCE_DIR}/platform/src)

# The system's own calls for files, fonts and code pages, compiled against
# the real Windows headers rather than the game's stand-in ones.
add_library(platform_windows STATIC
    platform/win32/data_files_windows.cpp
    platform/win32/font_cp932_windows.cpp
    platform/win32/font_match_windows.cpp
    platform/src/font_face_names.cpp
    platform/win32/wide_text.cpp)
target_include_directories(platform_windows PRIVATE platform/src)
target_link_libraries(platform_windows PRIVATE SDL2::SDL2-static freetype)

add_library(platform STATIC ${PLATFORM_SOURCES}
    platform/src/font_render.cpp platform/win32/kernel_files.cpp)
target_include_directories(platform
    PUBLIC ${CMAKE_SOURCE_DIR}/platform/include
    PRIVATE ${CMAKE_SOURCE_DIR}/platform/src ${CMAKE_SOURCE_DIR}/platform/seam)
target_compile_definitions(platform PUBLIC SDL_MAIN_HANDLED)
target_link_libraries(platform PUBLIC SDL2::SDL2-static freetype platform_windows game_resources)

add_executable(frogpond WIN32 ${GAME_SOURCES} ${HOST_BUILD_DIR}/generated/prolog_text.cpp
    ${HOST_BUILD_DIR}/generated/prolog_text_en.cpp platform/src/main.cpp)
target_include_directories(frogpond PRIVATE ${CMAKE_SOURCE_DIR} platform/src)
target_compile_definitions(platform PRIVATE FROGPOND_VERSION="${PROJECT_VERSION}")
target_link_libraries(frogpond PRIVATE platform)
target_link_options(frogpond PRIVATE -static -s)
