qi_fuzzer(gif_reader_fuzzer gif_reader_fuzzer.cpp qi_gif)
