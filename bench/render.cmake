# Chart planning cost against the length of the log.
add_executable(render_bench ${CMAKE_CURRENT_LIST_DIR}/render_chart.cpp)
target_link_libraries(render_bench PRIVATE wm_app wm_render benchmark::benchmark benchmark::benchmark_main)
