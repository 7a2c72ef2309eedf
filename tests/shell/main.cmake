krs_test(krs_shell_main_tests
    SOURCES
        AboutTest.cpp
        PanelKRS5428MXFormTest.cpp
    LIBS krs_shell_main Qt6::Test
)
target_include_directories(krs_shell_main_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/platform/gui)
target_compile_definitions(krs_shell_main_tests PRIVATE KRS_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
