# krs-sim: GET-NEXT answers per second over a walk of a 10,000-row table.
if(TARGET krs_test_support)
    add_executable(krs-sim-bench SimWalkBench.cpp)
    target_link_libraries(krs-sim-bench PRIVATE krs_test_support NetSnmp::netsnmp)
    krs_target_defaults(krs-sim-bench)
endif()
