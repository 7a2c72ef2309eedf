krs_test(krs_platform_os_tests
    SOURCES
        JpegImageTest.cpp
        ProgramLaunchTest.cpp
        RegistryTest.cpp
    LIBS krs_platform_os krs_test_tools
)
target_compile_definitions(krs_platform_os_tests PRIVATE KRS_RESOURCES_DIR="${CMAKE_SOURCE_DIR}/resources")
