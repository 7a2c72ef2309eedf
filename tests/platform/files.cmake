krs_test(krs_platform_tests
    SOURCES
        FilePathTest.cpp
        ProfileFileTest.cpp
    LIBS krs_platform
)
