krs_test(qs_edit_tests
    SOURCES
        AddressChecksTest.cpp
    LIBS qs_core
)
