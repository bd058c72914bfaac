# Raster primitives and shape generators against memset of the same picture.
add_executable(bench_generators ${CMAKE_CURRENT_LIST_DIR}/generators_bench.cpp)
target_link_libraries(bench_generators PRIVATE vospren_generators benchmark::benchmark)
set_target_properties(bench_generators PROPERTIES AUTOMOC OFF)
vospren_warnings(bench_generators)
