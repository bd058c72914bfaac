# Runtime library hot paths: checksums, digests, pixel rows, the bit packer and JPEG
# coding. The library hides its symbols, so the sources are compiled in directly.
set(runtime_internals_dir ${PROJECT_SOURCE_DIR}/runtime/src)
add_executable(runtime_internals_bench ${CMAKE_CURRENT_LIST_DIR}/runtime_internals_bench.cpp
  ${runtime_internals_dir}/crc32.cpp ${runtime_internals_dir}/md5_digest.cpp ${runtime_internals_dir}/pixel_rows.cpp
  ${runtime_internals_dir}/bit_stream.cpp ${runtime_internals_dir}/value_list.cpp ${runtime_internals_dir}/jpeg_coding.cpp
  ${runtime_internals_dir}/jpeg_fatal_error.cpp ${runtime_internals_dir}/jpeg_memory_source.cpp
  ${runtime_internals_dir}/jpeg_memory_destination.cpp ${runtime_internals_dir}/platform.cpp)
set_target_properties(runtime_internals_bench PROPERTIES AUTOMOC OFF)
target_include_directories(runtime_internals_bench PRIVATE ${runtime_internals_dir} ${PROJECT_SOURCE_DIR}/runtime/include)
target_link_libraries(runtime_internals_bench PRIVATE JPEG::JPEG Qt6::Widgets benchmark::benchmark)
vospren_warnings(runtime_internals_bench)
