qi_fuzzer(ico_fuzzer ico_fuzzer.cpp qi_graphics)
