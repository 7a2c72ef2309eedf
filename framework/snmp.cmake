krs_library(qs_snmp NO_WIDGETS
    SOURCES
        BlockingAction.cpp
        BootCounterFile.cpp
        QsSNMPRequest.cpp
        QsSNMPRequestExpr.cpp
        QsSNMPRequestRead.cpp
        QsSNMPRequestWrite.cpp
        QsSNMPSession.cpp
        QsSNMPTarget.cpp
        SnmpBlocking.cpp
        SnmpLibrary.cpp
        SnmpPdu.cpp
        SnmpSessions.cpp
        SnmpStandIn.cpp
    LIBS qs_core Qt6::Core NetSnmp::netsnmp
)
