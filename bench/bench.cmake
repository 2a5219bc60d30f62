# Benchmarks of the platform's drawing, each beside SDL doing the same work.
find_package(benchmark REQUIRED)
add_executable(video_bench bench/video_bench.cpp)
target_include_directories(video_bench PRIVATE platform/src)
target_link_libraries(video_bench PRIVATE platform benchmark::benchmark_main)

# Speed of one liquid flow step on a busy and on an empty board.
add_executable(liquid_bench bench/liquid_bench.cpp)
target_link_libraries(liquid_bench PRIVATE game_core benchmark::benchmark_main)

# The sound mixer with eleven voices playing.
add_executable(audio_bench bench/audio_bench.cpp)
target_include_directories(audio_bench PRIVATE platform/src)
target_link_libraries(audio_bench PRIVATE platform benchmark::benchmark_main)

# The play rules and a whole play-scene frame on a busy board.
add_executable(play_bench bench/play_bench.cpp)
target_include_directories(play_bench PRIVATE platform/seam)
target_link_libraries(play_bench PRIVATE game_core platform game_resources benchmark::benchmark_main)

# Frames of solver search and the cost of keeping a state.
add_executable(solve_bench bench/solve_bench.cpp)
target_link_libraries(solve_bench PRIVATE solve_core benchmark::benchmark_main)
target_compile_definitions(solve_bench PRIVATE SOURCE_DIR="${CMAKE_SOURCE_DIR}")
