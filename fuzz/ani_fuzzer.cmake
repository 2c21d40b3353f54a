qi_fuzzer(ani_fuzzer ani_fuzzer.cpp qi_cursor_images)
