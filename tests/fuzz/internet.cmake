# HttpRead's response handling: a scripted server feeds the read loop, and the body goes on to the
# notice parsing.
zorvi_add_fuzzer(fuzz_http_body
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/internet_http_body_fuzzer.cpp
    LIBS http_body application_logic)
