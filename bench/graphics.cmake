qi_benchmark(graphics_bench graphics_bench.cpp)
target_link_libraries(graphics_bench PRIVATE qi_graphics)
# The two-mask transparent copy is shared with the graphics tests.
target_include_directories(graphics_bench PRIVATE "${PROJECT_SOURCE_DIR}/tests/framework/graphics")
