# Rotations, tag stamping and circle mix beside a memcpy of the same run.
add_executable(bench_compositing ${CMAKE_CURRENT_LIST_DIR}/compositing_bench.cpp)
target_include_directories(bench_compositing PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(bench_compositing PRIVATE vospren_compositing benchmark::benchmark)
set_target_properties(bench_compositing PROPERTIES AUTOMOC OFF)
vospren_warnings(bench_compositing)
