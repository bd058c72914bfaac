# The recovery file of a large picture: the copy made on the window's thread, and
# the PNG encoding done on a thread of its own.
find_package(ZLIB REQUIRED)
add_executable(recovery_bench ${CMAKE_CURRENT_LIST_DIR}/recovery_bench.cpp ${PROJECT_SOURCE_DIR}/app/recovery_image.cpp
  ${PROJECT_SOURCE_DIR}/app/recovery_files.cpp)
set_target_properties(recovery_bench PROPERTIES AUTOMOC OFF)
target_include_directories(recovery_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(recovery_bench PRIVATE vospren_ui vospren_exchange vospren_core Qt6::Gui ZLIB::ZLIB benchmark::benchmark)
vospren_warnings(recovery_bench)
