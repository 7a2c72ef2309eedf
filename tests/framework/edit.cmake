krs_test(qs_edit_tests
    SOURCES
        AddressChecksTest.cpp
        EditFormatTest.cpp
    LIBS qs_core
)
