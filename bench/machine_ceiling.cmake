# What the cores of this machine give to jobs that share nothing: the ceiling of every
# "N threads against one" figure in BENCHMARKS.md.
add_executable(machine_ceiling_bench ${CMAKE_CURRENT_LIST_DIR}/machine_ceiling_bench.cpp)
target_link_libraries(machine_ceiling_bench PRIVATE benchmark::benchmark)
vospren_warnings(machine_ceiling_bench)
