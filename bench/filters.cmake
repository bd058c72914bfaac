# Whole-picture passes of the filters beside a memcpy of the same plane.
add_executable(filters_bench ${CMAKE_CURRENT_LIST_DIR}/filters_bench.cpp)
target_include_directories(filters_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(filters_bench PRIVATE vospren_filters benchmark::benchmark)
vospren_warnings(filters_bench)
