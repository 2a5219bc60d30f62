# Text rendering for the GDI stand-in (plat_font) and its tests (font_render_test).
# Included by the top-level CMakeLists.txt; paths are relative to this file.
find_package(Freetype REQUIRED)
find_package(Fontconfig REQUIRED)

add_library(plat_font STATIC
    ${CMAKE_CURRENT_LIST_DIR}/font_render.cpp
    ${CMAKE_CURRENT_LIST_DIR}/font_match.cpp
    ${CMAKE_CURRENT_LIST_DIR}/font_cp932.cpp)
target_include_directories(plat_font PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_features(plat_font PUBLIC cxx_std_17)
target_link_libraries(plat_font PRIVATE Freetype::Freetype Fontconfig::Fontconfig)

find_package(GTest REQUIRED)
find_package(PNG REQUIRED)
include(GoogleTest)

add_executable(font_render_test ${CMAKE_CURRENT_LIST_DIR}/../../tests/platform/font_render_test.cpp)
target_compile_definitions(font_render_test PRIVATE FONT_RENDER_PNG_DIR="${CMAKE_CURRENT_BINARY_DIR}")
target_link_libraries(font_render_test PRIVATE plat_font GTest::gtest_main PNG::PNG)
gtest_discover_tests(font_render_test DISCOVERY_MODE PRE_TEST)
