# What the walk benchmarks share (the table on krs-sim, the run over row counts).
add_library(krs_bench_support STATIC BenchTable.cpp)
target_include_directories(krs_bench_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(krs_bench_support PUBLIC qs_snmp krs_test_support)
krs_target_defaults(krs_bench_support)

# Walk speed of the SNMP framework against snmpwalk on krs-sim (run by hand, not by CTest).
add_executable(krs_snmp_bench SnmpWalkBench.cpp)
target_link_libraries(krs_snmp_bench PRIVATE krs_bench_support)
krs_target_defaults(krs_snmp_bench)
