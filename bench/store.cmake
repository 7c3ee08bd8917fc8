# Loading and saving a full weight log against one plain read or write of
# the same bytes.
add_executable(store_bench ${CMAKE_CURRENT_LIST_DIR}/store_bench.cpp)
target_link_libraries(store_bench PRIVATE wm_store benchmark::benchmark benchmark::benchmark_main)
