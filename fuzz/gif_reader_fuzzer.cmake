qi_fuzzer(gif_reader_fuzzer gif_reader_fuzzer.cpp qi_gif)
# Coverage feedback from inside the codec, not only from the fuzz target's own file.
target_compile_options(qi_gif PRIVATE -fsanitize=fuzzer-no-link)
