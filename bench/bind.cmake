# A list page filled by a walk of krs-sim, against snmpwalk of the same table (run by hand, not by CTest).
add_executable(krs_page_bench ListPageBench.cpp)
target_link_libraries(krs_page_bench PRIVATE krs_pages krs_bench_support)
krs_target_defaults(krs_page_bench)

# List page reads and the start-up pause against a foreign or stopped agent, the front panel
# polling (run by hand, not by CTest).
add_executable(krs_foreign_bench ForeignAgentBench.cpp)
target_link_libraries(krs_foreign_bench PRIVATE krs_shell_main krs_catalogue_pages krs_test_support)
krs_target_defaults(krs_foreign_bench)
