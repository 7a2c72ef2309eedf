krs_test(krs_shell_main_tests
    SOURCES
        AboutTest.cpp
        MainWindowSimTest.cpp
        PanelKRS5428MXFormTest.cpp
    LIBS krs_shell_main krs_test_support krs_test_tools Qt6::Test
)
target_include_directories(krs_shell_main_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/platform/gui)
target_compile_definitions(krs_shell_main_tests PRIVATE KRS_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")

krs_test(krs_process_list_tests
    SOURCES
        ProcessListTest.cpp
    LIBS krs_test_tools Qt6::Core
)
add_dependencies(krs_process_list_tests krs-manager)
target_compile_definitions(krs_process_list_tests PRIVATE KRS_MANAGER_EXE="$<TARGET_FILE:krs-manager>")
