krs_test(qs_values_tests
    SOURCES
        ByteFormsTest.cpp
        EditGroupsTest.cpp
        LedRulesTest.cpp
        PortListTextsTest.cpp
        TypedTextPropertyTest.cpp
        TypedTextProperty.cpp
        TypedTextTest.cpp
    LIBS qs_core
)
