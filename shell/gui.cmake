# The dialog infrastructure: GUI-free texts (model name, port part list, VLAN range texts) and
# the shared forms and helpers the feature dialogs stand on (port picker, dialog base, progress).
krs_library(krs_shell_dialog_core NO_WIDGETS
    SOURCES
        DeviceModel.cpp
        VlanBitmapText.cpp
    LIBS krs_gui_base qs_core
)

krs_library(krs_shell_gui
    SOURCES
        DialogFrame.cpp
        DialogHelpers.cpp
        Progress.cpp
        Progress2.cpp
        StpVersionRecord.cpp
        TBasicFormUnit.cpp
        stackingPortUitFormUnit.cpp
    LIBS krs_shell_dialog_core qs_bind krs_gui
)
