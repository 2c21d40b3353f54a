qi_fuzzer(bmp_fuzzer bmp_fuzzer.cpp qi_graphics)
