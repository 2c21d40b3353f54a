qi_fuzzer(form_reader_fuzzer form_reader_fuzzer.cpp qi_core)
# The fake form of the tests gives the data classes, fields, handlers and a binary property.
target_sources(form_reader_fuzzer PRIVATE "${PROJECT_SOURCE_DIR}/tests/framework/core/fake_form.cpp")
target_include_directories(form_reader_fuzzer PRIVATE "${PROJECT_SOURCE_DIR}/tests/framework/core")
