# The game's tests, all headless: the platform runs through its test seam.
add_executable(game_tests
    tests/support/game_env.cpp
    tests/app/main_window_test.cpp
    tests/audio/sound_test.cpp
    tests/audio/wave_parse_test.cpp
    tests/video/bitmap_util_test.cpp
    tests/video/display_test.cpp
    tests/video/fade_test.cpp
    tests/input/joystick_test.cpp
    tests/input/key_state_test.cpp
    tests/platform/bmp_reader_test.cpp
    tests/platform/cp932_table_test.cpp
    platform/web/cp932_table.cpp
    tests/platform/storage_watch_test.cpp
    platform/web/storage_watch.cpp
    ${CP932_TABLES_SOURCE}
    tests/platform/data_folder_test.cpp
    tests/platform/stage_pack_test.cpp
    tests/platform/ddraw_test.cpp
    tests/platform/font_face_names_test.cpp
    platform/src/font_face_names.cpp
    tests/platform/dsound_test.cpp
    tests/platform/dinput_test.cpp
    tests/platform/key_recorder_test.cpp
    tests/platform/key_replay_test.cpp
    tests/platform/key_bindings_test.cpp
    tests/platform/mixer_test.cpp
    tests/platform/options_test.cpp
    tests/platform/pad_hotplug_test.cpp
    tests/platform/settings_file_test.cpp
    tests/platform/window_focus_test.cpp
    tests/play/board_draw_test.cpp
    tests/play/frog_test.cpp
    tests/play/item_rules_test.cpp
    tests/play/liquid_test.cpp
    tests/play/play_screen_test.cpp
    tests/screens/menu_screens_test.cpp
    tests/screens/prolog_text_test.cpp
    tests/screens/result_test.cpp
    tests/screens/score_file_test.cpp
    tests/screens/score_crash_test.cpp
    tests/screens/stage_select_test.cpp
    tests/stage/game_rand_test.cpp
    tests/stage/map_file_test.cpp
    tests/stage/map_loading.cpp
    tests/stage/map_reader_test.cpp
    tests/stage/shipped_stages_test.cpp
    tests/stage/stage_start_test.cpp
    tests/platform/input_script_test.cpp
    tests/tools/soundview_test.cpp
    )
target_include_directories(game_tests PRIVATE tests platform/src platform/seam platform/web tools/sim)
target_link_libraries(game_tests PRIVATE game_core platform game_resources soundview_core GTest::gtest_main)
target_compile_definitions(game_tests PRIVATE SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(game_tests DISCOVERY_MODE PRE_TEST)

# The folders include one another only downward, as the README draws them.
add_test(NAME include_structure COMMAND ${CMAKE_SOURCE_DIR}/scripts/check_includes.sh)

# The readers of the game's files under libFuzzer with sanitizers (clang
# builds only); scripts/fuzz.sh seeds each with the real files.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND FUZZ)
    function(add_fuzz_target name)
        add_executable(${name} ${ARGN})
        target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} platform/include platform/src)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -g)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    endfunction()
    add_fuzz_target(bmp_reader_fuzz tests/fuzz/bmp_reader_fuzz.cpp platform/src/bmp_reader.cpp)
    add_fuzz_target(wave_parse_fuzz tests/fuzz/wave_parse_fuzz.cpp audio/wave_resource.cpp)
    add_fuzz_target(stage_map_fuzz tests/fuzz/stage_map_fuzz.cpp play/liquid.cpp stage/board.cpp
        stage/items.cpp stage/map_build.cpp stage/map_reader.cpp stage/map_text.cpp stage/play_state.cpp
        stage/switches.cpp stage/tiles.cpp)
    add_fuzz_target(score_file_fuzz tests/fuzz/score_file_fuzz.cpp screens/score_file.cpp app/app_state.cpp
        stage/play_state.cpp)
    add_fuzz_target(input_script_fuzz tests/fuzz/input_script_fuzz.cpp platform/src/input_script.cpp
        platform/src/script_keys.cpp)
endif()

# Screenshots of the real window under Xvfb, kept for a person to look at.
add_executable(picture_tour tests/e2e/picture_tour.cpp)
target_include_directories(picture_tour PRIVATE platform/src)
target_link_libraries(picture_tour PRIVATE game_core platform)
add_executable(xwd_to_png tests/e2e/xwd_to_png.cpp)
target_link_libraries(xwd_to_png PRIVATE PNG::PNG)
find_program(XVFB Xvfb)
if(XVFB)
    add_test(NAME picture_screenshots
             COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/screenshots.sh ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/screenshots)
    set_tests_properties(picture_screenshots PROPERTIES RUN_SERIAL TRUE)
endif()
find_program(XDOTOOL xdotool)
if(XVFB AND XDOTOOL)
    add_test(NAME play_through
             COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/play_through.sh ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR}
                     ${CMAKE_BINARY_DIR}/screenshots/play)
    set_tests_properties(play_through PROPERTIES RUN_SERIAL TRUE)
    add_test(NAME rebound_keys COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/rebound_keys.sh ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
    set_tests_properties(rebound_keys PROPERTIES RUN_SERIAL TRUE)
endif()
include(tests/replays/replays.cmake)
