# Tests of the dialog infrastructure.
krs_test(krs_shell_dialog_core_tests
    SOURCES
        DeviceModelTest.cpp
        VlanBitmapTextTest.cpp
    LIBS krs_shell_dialog_core
)

krs_test(krs_shell_gui_tests
    SOURCES
        DialogHelpersTest.cpp
        PortPickerTest.cpp
        ProgressTest.cpp
        TBasicFormTest.cpp
    LIBS krs_shell_gui Qt6::Test
)
target_include_directories(krs_shell_gui_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/platform/gui)

# The demonstration dialog against krs-sim.
krs_test(krs_shell_demo_tests
    SOURCES
        DemoDialogTest.cpp
    LIBS krs_shell_gui krs_mib krs_test_support Qt6::Test
)
target_include_directories(krs_shell_demo_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/platform/gui)
