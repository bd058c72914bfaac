# Codec throughput (decode and encode of a 1024 x 1024 picture in memory) and the
# program's buffer <-> picture copies, beside a memcpy of the same bytes.
add_executable(imagelib_bench ${CMAKE_CURRENT_LIST_DIR}/imagelib_bench.cpp)
set_target_properties(imagelib_bench PROPERTIES AUTOMOC OFF)
target_link_libraries(imagelib_bench PRIVATE pelgrast_codecs vospren_exchange benchmark::benchmark)
vospren_warnings(imagelib_bench)
