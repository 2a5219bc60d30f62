# Benchmarks of the platform's drawing, each beside SDL doing the same work.
find_package(benchmark REQUIRED)
add_executable(video_bench bench/video_bench.cpp)
target_include_directories(video_bench PRIVATE platform/src)
target_link_libraries(video_bench PRIVATE platform benchmark::benchmark_main)
