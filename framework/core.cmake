krs_library(qs_core NO_WIDGETS
    SOURCES
        SnmpValue.cpp
)
