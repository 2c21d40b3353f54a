# The whole program's start-up and memory in a virtual X display, beside a plain SDL program.
if(TARGET quick-intro AND TARGET qi_test_xvfb)
  find_package(SDL2 REQUIRED)
  find_package(X11 REQUIRED)
  add_executable(plain-sdl-window plain_sdl_window.cpp)
  target_link_libraries(plain-sdl-window PRIVATE SDL2::SDL2)
  qi_warnings(plain-sdl-window)

  qi_benchmark(program_start_bench program_start_bench.cpp)
  target_link_libraries(program_start_bench PRIVATE qi_test_xvfb X11::X11)
  add_dependencies(program_start_bench quick-intro plain-sdl-window)
  target_compile_definitions(program_start_bench PRIVATE
    QI_PROGRAM="$<TARGET_FILE:quick-intro>"
    QI_PLAIN_SDL_WINDOW="$<TARGET_FILE:plain-sdl-window>")
endif()
