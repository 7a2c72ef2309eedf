# Tests of the dialog infrastructure.
krs_test(krs_shell_dialog_core_tests
    SOURCES
        DeviceModelTest.cpp
        VlanBitmapTextTest.cpp
    LIBS krs_shell_dialog_core
)
