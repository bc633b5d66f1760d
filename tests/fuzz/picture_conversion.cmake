# The conversion's readers fuzzed in memory: one harness, built per format with that format's
# signature, seeded from tests/fuzz/seeds/fuzz_convert_<format>/.
foreach(format jpeg bmp tiff png pcx photo_cd)
    string(TOUPPER ${format} upper)
    zorvi_add_fuzzer(fuzz_convert_${format}
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/picture_conversion_fuzz.cpp
        LIBS picture_conversion)
    target_compile_definitions(fuzz_convert_${format} PRIVATE FUZZ_FORMAT_${upper})
endforeach()
