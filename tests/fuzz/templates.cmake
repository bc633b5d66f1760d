# Window template block and unit property data readers.
zorvi_add_fuzzer(fuzz_template_block
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/templates_block_fuzzer.cpp
    LIBS runtime)
zorvi_add_fuzzer(fuzz_unit_options
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/templates_options_fuzzer.cpp
    LIBS runtime)
