# The game's tests, all headless: the platform runs through its test seam.
add_executable(game_tests
    tests/support/game_env.cpp
    tests/app/main_window_test.cpp
    tests/video/bitmap_util_test.cpp
    tests/video/display_test.cpp
    tests/video/fade_test.cpp
    tests/platform/bmp_reader_test.cpp
    tests/platform/ddraw_test.cpp
    tests/platform/keymap_test.cpp)
target_include_directories(game_tests PRIVATE tests platform/src platform/seam)
target_link_libraries(game_tests PRIVATE game_core platform game_resources GTest::gtest_main)
gtest_discover_tests(game_tests DISCOVERY_MODE PRE_TEST)

# The bitmap reader under libFuzzer with sanitizers (clang builds only).
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND FUZZ)
    add_executable(bmp_reader_fuzz tests/fuzz/bmp_reader_fuzz.cpp platform/src/bmp_reader.cpp)
    target_include_directories(bmp_reader_fuzz PRIVATE platform/include platform/src)
    target_compile_options(bmp_reader_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -g)
    target_link_options(bmp_reader_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
endif()
