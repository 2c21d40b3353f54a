qi_fuzzer(lzw_decode_fuzzer lzw_decode_fuzzer.cpp qi_gif)
