krs_test(qs_core_tests
    SOURCES
        SnmpValueTest.cpp
    LIBS qs_core
)
