# Runtime library: the text reader, the line readers, wildcard matching,
# splitting and settings lookups, measured through HH's tables of the built
# library, as a host calls them.
add_executable(runtime_bench ${CMAKE_CURRENT_LIST_DIR}/runtime_bench.cpp)
set_target_properties(runtime_bench PROPERTIES AUTOMOC OFF)
target_link_libraries(runtime_bench PRIVATE tolvanea_runtime_headers benchmark::benchmark ${CMAKE_DL_LIBS})
target_compile_definitions(runtime_bench PRIVATE RUNTIME_LIBRARY_PATH="$<TARGET_FILE:Tolvanea.Runtime>")
add_dependencies(runtime_bench Tolvanea.Runtime)
vospren_warnings(runtime_bench)
