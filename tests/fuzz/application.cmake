# The application's notice lines and the notice host of its ini file.
zorvi_add_fuzzer(fuzz_notice_links
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/application_notice_fuzzer.cpp
    LIBS application_logic)
