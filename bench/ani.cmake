find_package(PkgConfig REQUIRED)
pkg_check_modules(GDK_PIXBUF REQUIRED IMPORTED_TARGET gdk-pixbuf-2.0)
qi_benchmark(ani_load_bench ani_load_bench.cpp)
target_link_libraries(ani_load_bench PRIVATE qi_cursor_images PkgConfig::GDK_PIXBUF)
