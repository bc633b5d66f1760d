# Window template block and unit property data readers.
if(TARGET runtime_templates)
    zorvi_add_fuzzer(fuzz_template_block
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/templates_block_fuzzer.cpp
        LIBS runtime_templates)
endif()
if(TARGET unit_options)
    zorvi_add_fuzzer(fuzz_unit_options
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/templates_options_fuzzer.cpp
        LIBS unit_options)
endif()
