# Game sources made at build time from readable text in assets/: the prolog's
# story in code page 932, in Japanese and in English.
set(GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(PROLOG_TEXT_SOURCE ${GENERATED_DIR}/prolog_text.cpp)
add_executable(mkstory tools/mkstory/mkstory.cpp)
add_custom_command(
    OUTPUT ${PROLOG_TEXT_SOURCE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GENERATED_DIR}
    COMMAND mkstory ${CMAKE_SOURCE_DIR}/assets/story/prolog.txt ${PROLOG_TEXT_SOURCE}
    DEPENDS mkstory ${CMAKE_SOURCE_DIR}/assets/story/prolog.txt
    COMMENT "Converting the story to code page 932")
set(PROLOG_ENGLISH_SOURCE ${GENERATED_DIR}/prolog_text_en.cpp)
add_custom_command(
    OUTPUT ${PROLOG_ENGLISH_SOURCE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GENERATED_DIR}
    COMMAND mkstory ${CMAKE_SOURCE_DIR}/assets/story/prolog_en.txt ${PROLOG_ENGLISH_SOURCE} g_prologLinesEnglish
    DEPENDS mkstory ${CMAKE_SOURCE_DIR}/assets/story/prolog_en.txt
    COMMENT "Converting the English story")
set(GENERATED_GAME_SOURCES ${PROLOG_TEXT_SOURCE} ${PROLOG_ENGLISH_SOURCE})
add_custom_target(story DEPENDS ${GENERATED_GAME_SOURCES})

# Code page 932 as tables from glibc's converter, for the browser's C library,
# which has none; the native tests hold them against glibc on every pair.
set(CP932_TABLES_SOURCE ${GENERATED_DIR}/cp932_tables.cpp)
add_executable(mkcp932 tools/mkcp932/mkcp932.cpp)
target_include_directories(mkcp932 PRIVATE platform/web)
add_custom_command(
    OUTPUT ${CP932_TABLES_SOURCE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GENERATED_DIR}
    COMMAND mkcp932 ${CP932_TABLES_SOURCE}
    DEPENDS mkcp932
    COMMENT "Tabulating code page 932")
add_custom_target(cp932_tables DEPENDS ${CP932_TABLES_SOURCE})
