# Make Seamless on a 4096 x 4096 picture beside a memcpy of the same plane.
add_executable(make_seamless_bench ${CMAKE_CURRENT_LIST_DIR}/make_seamless_bench.cpp)
target_include_directories(make_seamless_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(make_seamless_bench PRIVATE vospren_filters benchmark::benchmark)
vospren_warnings(make_seamless_bench)
