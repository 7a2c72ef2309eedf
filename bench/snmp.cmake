# Walk speed of the SNMP framework against snmpwalk on krs-sim (run by hand, not by CTest).
add_executable(krs_snmp_bench SnmpWalkBench.cpp)
target_link_libraries(krs_snmp_bench PRIVATE qs_snmp krs_test_support)
krs_target_defaults(krs_snmp_bench)
