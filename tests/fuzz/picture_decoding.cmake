# Fuzz targets of the picture decoders: one per format, straight into the format's decoder, each
# seeded from seeds/fuzz_decode_<format>/.
foreach(format jpeg bmp icon gif pcx)
    zorvi_add_fuzzer(fuzz_decode_${format}
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/picture_decoding_${format}.cpp
        LIBS picture_decoding)
endforeach()
