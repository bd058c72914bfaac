# Clipboard bitmaps and the part-clipboard margins beside a memcpy of the same plane.
add_executable(exchange_bench ${CMAKE_CURRENT_LIST_DIR}/exchange_bench.cpp)
target_include_directories(exchange_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(exchange_bench PRIVATE vospren_exchange benchmark::benchmark)
vospren_warnings(exchange_bench)
