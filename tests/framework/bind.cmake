krs_test(qs_bind_tests
    SOURCES
        AddressValidatorsTest.cpp
        ByteQStringsTest.cpp
        EditConstraintTest.cpp
    LIBS qs_bind Qt6::Test
)
target_include_directories(qs_bind_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/../platform/gui)

krs_test(qs_driver_tests
    SOURCES
        DriverTestSupport.cpp
        FakeAgent.cpp
        RequestDriverTest.cpp
        RequestOutcomeTest.cpp
    LIBS qs_bind krs_test_support Qt6::Test
)
target_include_directories(qs_driver_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/../platform/gui)

krs_test(qs_edits_tests
    SOURCES
        EditsSimSupport.cpp
        RequestEditsSimTest.cpp
        RequestEditsTest.cpp
        RequestLedsTest.cpp
        TypedInputTest.cpp
        TypedEditsSimTest.cpp
    LIBS qs_bind krs_mib krs_test_support Qt6::Test
)
target_include_directories(qs_edits_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/../platform/gui)
