# The game for the browser: the same sources on our platform layer, compiled
# by emscripten against SDL2 and FreeType built by scripts/build_deps.sh.
# HOST_BUILD_DIR names a native build, which drew the pictures, synthesised
# the sounds, generated the sources made from text and the code page table.
# The page, its script, the .wasm and the data file go to WEB_OUTPUT_DIR.
if(NOT HOST_BUILD_DIR OR NOT WEB_OUTPUT_DIR)
    message(FATAL_ERROR "Set HOST_BUILD_DIR to a native build's folder and WEB_OUTPUT_DIR to the page's")
endif()
find_package(SDL2 REQUIRED CONFIG)
find_package(freetype REQUIRED CONFIG)

include(cmake/game_sources.cmake)
include(cmake/platform_sources.cmake)

# The pictures travel as they are (they compress well); the sounds only as
# their scores, synthesised into the table's space at start-up.
include(cmake/resource_names.cmake)
set(WEB_RESOURCES ${CMAKE_BINARY_DIR}/web_resources.cpp)
set(WEB_RESOURCE_ARGS)
set(WEB_RESOURCE_FILES)
foreach(name ${PICTURE_NAMES})
    list(APPEND WEB_RESOURCE_ARGS ${name} BITMAP ${HOST_BUILD_DIR}/pictures/${name}.bmp)
    list(APPEND WEB_RESOURCE_FILES ${HOST_BUILD_DIR}/pictures/${name}.bmp)
endforeach()
foreach(name ${SOUND_NAMES})
    list(APPEND WEB_RESOURCE_ARGS ${name} WAVE space:${HOST_BUILD_DIR}/sounds/${name}.wav)
    list(APPEND WEB_RESOURCE_FILES ${HOST_BUILD_DIR}/sounds/${name}.wav)
endforeach()
add_custom_command(
    OUTPUT ${WEB_RESOURCES}
    COMMAND ${HOST_BUILD_DIR}/embed_resources ${WEB_RESOURCES} ${WEB_RESOURCE_ARGS}
    DEPENDS ${WEB_RESOURCE_FILES}
    COMMENT "Embedding the pictures and keeping space for the sounds")
add_library(game_resources STATIC ${WEB_RESOURCES})
target_include_directories(game_resources PRIVATE ${CMAKE_SOURCE_DIR}/platform/src)

# What differs in the browser: storage, the bundled font, the code page
# table, the page's own full screen and the frame's hand-back to the browser.
add_library(platform_web STATIC
    platform/web/font_cp932_web.cpp
    platform/web/cp932_table.cpp
    ${HOST_BUILD_DIR}/generated/cp932_tables.cpp
    platform/web/font_match_web.cpp
    platform/web/stages_copy.cpp
    platform/web/web_frame.cpp
    platform/web/storage_watch.cpp
    platform/web/web_sounds.cpp
    tools/mksounds/score_reader.cpp
    tools/mksounds/synth.cpp
    tools/mksounds/wave_writer.cpp)
target_include_directories(platform_web PRIVATE platform/src platform/web platform/include tools/mksounds)
target_link_libraries(platform_web PRIVATE SDL2::SDL2-static)

add_library(platform STATIC ${PLATFORM_SOURCES} platform/src/data_files_posix.cpp platform/src/font_render.cpp)
target_include_directories(platform
    PUBLIC ${CMAKE_SOURCE_DIR}/platform/include
    PRIVATE ${CMAKE_SOURCE_DIR}/platform/src ${CMAKE_SOURCE_DIR}/platform/seam ${CMAKE_SOURCE_DIR}/platform/web)
target_compile_definitions(platform PRIVATE FROGPOND_VERSION="${PROJECT_VERSION}")
target_link_libraries(platform PUBLIC SDL2::SDL2-static freetype platform_web game_resources)

add_executable(frogpond ${GAME_SOURCES} ${HOST_BUILD_DIR}/generated/prolog_text.cpp
    ${HOST_BUILD_DIR}/generated/prolog_text_en.cpp platform/src/main.cpp)
target_include_directories(frogpond PRIVATE ${CMAKE_SOURCE_DIR} platform/src platform/web)
target_link_libraries(frogpond PRIVATE platform)
set_target_properties(frogpond PROPERTIES SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${WEB_OUTPUT_DIR})

# The blocking message loop stays: ASYNCIFY lets Sleep and the frame pacing
# hand the thread back to the browser. Opening SDL's audio needs the two
# library functions in web/library_functions.json, or main ends there.
# Windows tells a resource's number from its name by the pointer being below
# 65536 (IS_INTRESOURCE): the game's data must start above that address.
set(WEB_FONT /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf)
target_link_options(frogpond PRIVATE
    -sASYNCIFY -sGLOBAL_BASE=65536 -sINITIAL_MEMORY=64MB -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web -sEXIT_RUNTIME=0
    -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_SOURCE_DIR}/web/library_functions.json
    -lidbfs.js
    "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/map@/share/frogpond/map"
    "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/score.dat@/share/frogpond/score.dat"
    "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/assets/sounds@/share/frogpond/sounds"
    "SHELL:--preload-file ${WEB_FONT}@/share/frogpond/fonts/ipagp.ttf")

# The page's own files beside the build's.
foreach(page index.html page.js page.css)
    configure_file(web/${page} ${WEB_OUTPUT_DIR}/${page} COPYONLY)
endforeach()
configure_file(/usr/share/doc/fonts-ipafont-gothic/copyright ${WEB_OUTPUT_DIR}/font-licence.txt COPYONLY)
configure_file(docs/stages.md ${WEB_OUTPUT_DIR}/stages.txt COPYONLY)
