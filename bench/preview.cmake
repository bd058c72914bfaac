# The preview: display image, overlay, the tick and the insertion, beside memcpy.
add_executable(bench_preview ${CMAKE_CURRENT_LIST_DIR}/preview_bench.cpp)
target_include_directories(bench_preview PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(bench_preview PRIVATE vospren_compositing vospren_filters benchmark::benchmark)
set_target_properties(bench_preview PROPERTIES AUTOMOC OFF)
vospren_warnings(bench_preview)
