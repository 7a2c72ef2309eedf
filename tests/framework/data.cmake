krs_test(qs_data_tests
    SOURCES
        QsOptionListTest.cpp
        QsSNMPVarListTest.cpp
        TextNumbersTest.cpp
    LIBS qs_core
)
