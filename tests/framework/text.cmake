krs_test(qs_text_tests
    SOURCES
        ExpressionsTest.cpp
        IniAndDateTimeTest.cpp
        MessageTableTest.cpp
        SnmpErrorsTest.cpp
        TextUtilsTest.cpp
    LIBS qs_core
)
target_include_directories(qs_text_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/../platform)
