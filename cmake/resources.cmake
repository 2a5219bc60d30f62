# The eight pictures are drawn at build time and embedded in the executable.
include(cmake/resource_names.cmake)
set(PICTURE_DIR ${CMAKE_BINARY_DIR}/pictures)
set(PICTURE_FILES)
set(RESOURCE_ARGS)
foreach(name ${PICTURE_NAMES})
    list(APPEND PICTURE_FILES ${PICTURE_DIR}/${name}.bmp)
    list(APPEND RESOURCE_ARGS ${name} BITMAP ${PICTURE_DIR}/${name}.bmp)
endforeach()

file(GLOB PICTURE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/*/*)
add_custom_command(
    OUTPUT ${PICTURE_FILES}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PICTURE_DIR}
    COMMAND mkpictures ${PICTURE_DIR}
    DEPENDS mkpictures ${PICTURE_SOURCES}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Drawing the pictures")

# The twelve sounds are synthesised at build time from the scores in
# assets/sounds and embedded beside the pictures.
set(SOUND_DIR ${CMAKE_BINARY_DIR}/sounds)
set(SOUND_FILES)
foreach(name ${SOUND_NAMES})
    list(APPEND SOUND_FILES ${SOUND_DIR}/${name}.wav)
    list(APPEND RESOURCE_ARGS ${name} WAVE ${SOUND_DIR}/${name}.wav)
endforeach()
file(GLOB SOUND_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/sounds/*.txt)
add_custom_command(
    OUTPUT ${SOUND_FILES}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${SOUND_DIR}
    COMMAND mksounds ${CMAKE_SOURCE_DIR}/assets/sounds ${SOUND_DIR} ${SOUND_NAMES}
    DEPENDS mksounds ${SOUND_SOURCES}
    COMMENT "Synthesising the sounds")
add_custom_target(sounds DEPENDS ${SOUND_FILES})

set(RESOURCE_TABLE ${CMAKE_BINARY_DIR}/embedded_resources.cpp)
add_custom_command(
    OUTPUT ${RESOURCE_TABLE}
    COMMAND embed_resources ${RESOURCE_TABLE} ${RESOURCE_ARGS}
    DEPENDS embed_resources ${PICTURE_FILES} ${SOUND_FILES}
    COMMENT "Embedding the resources")
add_custom_target(pictures DEPENDS ${PICTURE_FILES})

add_library(game_resources STATIC ${RESOURCE_TABLE})
target_include_directories(game_resources PRIVATE ${CMAKE_SOURCE_DIR}/platform/src)
