# The program's window, headless: start-up to the first painted page and a Next click to the
# repainted page, each beside a plain form doing the same.
if(TARGET qi_main)
  qi_benchmark(quick_intro_bench quick_intro_bench.cpp)
  target_link_libraries(quick_intro_bench PRIVATE qi_main qi_backend_headless qi_fonts)
  qi_add_quick_intro_resources(quick_intro_bench)
endif()
