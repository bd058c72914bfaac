# The window's display image: the one-pass builder beside the per-pixel definition
# and a memcpy of the same plane.
add_executable(app_bench ${CMAKE_CURRENT_LIST_DIR}/app_bench.cpp ${PROJECT_SOURCE_DIR}/app/display_image.cpp)
set_target_properties(app_bench PROPERTIES AUTOMOC OFF)
target_include_directories(app_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(app_bench PRIVATE vospren_core benchmark::benchmark)
vospren_warnings(app_bench)
