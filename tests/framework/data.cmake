krs_test(qs_data_tests
    SOURCES
        IndexFuzzTest.cpp
        IndexPartsTest.cpp
        OctetTextsTest.cpp
        QsOptionListTest.cpp
        QsSNMPVarListTest.cpp
        TextNumbersTest.cpp
        ValueTextsTest.cpp
    LIBS qs_core
)
