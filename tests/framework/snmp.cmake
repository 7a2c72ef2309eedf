krs_test(qs_snmp_tests
    SOURCES
        BootCounterFileTest.cpp
        SnmpAdapterTest.cpp
        SnmpdAgent.cpp
    LIBS qs_snmp
)
krs_test(qs_session_tests
    SOURCES
        QsSNMPSessionTest.cpp
        SnmpdAgent.cpp
    LIBS qs_snmp
)
krs_test(qs_request_tests
    SOURCES
        AgentErrorStatusTest.cpp
        BlockingActionTest.cpp
        FakeAgent.cpp
        QsSNMPRequestUnitTest.cpp
        QsSNMPRequestWalkTest.cpp
        QsSNMPRequestWriteTest.cpp
        SnmpDecodeFuzzTest.cpp
        RequestTestSupport.cpp
        SnmpdAgent.cpp
    LIBS qs_snmp
)
krs_test(qs_request_sim_tests
    SOURCES
        FakeAgent.cpp
        QsSNMPRequestSimTest.cpp
        RequestTestSupport.cpp
    LIBS qs_snmp krs_test_support
)
