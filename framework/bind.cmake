# What binds the framework to controls: the address validators, the edit constraint and the
# request-to-controls drivers. The only framework library that links the GUI layer.
krs_library(qs_bind
    SOURCES
        AddressValidators.cpp
        ByteQStrings.cpp
        InputError.cpp
        QsEditConstraint.cpp
        QsEditConstraintEvents.cpp
        QsSNMPRequest2Controls.cpp
        QsSNMPRequest2ControlsRun.cpp
        QsSNMPRequest2Edits.cpp
        QsSNMPRequest2EditsRead.cpp
        QsSNMPRequest2EditsRows.cpp
        QsSNMPRequest2EditsShow.cpp
        QsSNMPRequest2EditsTyped.cpp
        QsSNMPRequest2Leds.cpp
    LIBS qs_core qs_snmp krs_gui
)
