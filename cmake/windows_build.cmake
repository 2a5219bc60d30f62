# The Windows executable: the game's sources against the system's own
# Windows and DirectX, with the pictures and sounds as real resources.
# HOST_BUILD_DIR names a host build, which drew the pictures and generated the
# sources made from text.
enable_language(RC)
if(NOT HOST_BUILD_DIR)
    message(FATAL_ERROR "Set HOST_BUILD_DIR to a host build's folder")
endif()
set(PICTURE_DIR ${HOST_BUILD_DIR}/pictures)
set(GENERATED_GAME_SOURCES ${HOST_BUILD_DIR}/generated/prolog_text.cpp ${HOST_BUILD_DIR}/generated/prolog_text_en.cpp)

set(RESOURCE_SCRIPT ${CMAKE_BINARY_DIR}/game.rc)
set(RESOURCE_LINES "")
foreach(name BACKIMG CHARA FRAME PROLOG SCORE STAGE STRINGS TITLE)
    string(APPEND RESOURCE_LINES "${name} BITMAP \"${PICTURE_DIR}/${name}.bmp\"\n")
endforeach()
# Wave names are written in lower case, which the resource compiler stores in
# upper case: CURSOR in upper case is one of its keywords.
foreach(name CSWITCH PSWITCH VALVE CURSOR CLEAR CROAK GAME1 GAME2 TITLE STAGE SCORE PROLOG)
    string(TOLOWER ${name} lowerName)
    string(APPEND RESOURCE_LINES "${lowerName} WAVE \"${HOST_BUILD_DIR}/sounds/${name}.wav\"\n")
endforeach()
file(WRITE ${RESOURCE_SCRIPT} "${RESOURCE_LINES}")

include(cmake/game_sources.cmake)
add_executable(frogpond WIN32 ${GAME_SOURCES} ${GENERATED_GAME_SOURCES} ${RESOURCE_SCRIPT})
target_include_directories(frogpond PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(frogpond PRIVATE ddraw dinput dsound dxguid gdi32 user32)
target_link_options(frogpond PRIVATE -static)
