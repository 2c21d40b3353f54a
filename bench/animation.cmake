qi_benchmark(animator_bench animator_bench.cpp)
target_link_libraries(animator_bench PRIVATE qi_animation qi_backend_headless)
# The wizard's own pictures: the seasonal animation and the page background.
target_compile_definitions(animator_bench PRIVATE
  QI_PICTURES_DIR="${PROJECT_SOURCE_DIR}/resources/pictures")
