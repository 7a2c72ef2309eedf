# A list page filled by a walk of krs-sim, against snmpwalk of the same table (run by hand, not by CTest).
add_executable(krs_page_bench ListPageBench.cpp)
target_link_libraries(krs_page_bench PRIVATE krs_pages krs_bench_support)
krs_target_defaults(krs_page_bench)

# Catalogue pages and the main window's start-up against Debian's snmpd, beside snmpwalk of the
# same tables (run by hand, not by CTest).
add_executable(krs_foreign_bench ForeignAgentBench.cpp ForeignAgent.cpp)
target_include_directories(krs_foreign_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(krs_foreign_bench PRIVATE krs_shell_main krs_catalogue_main krs_catalogue_pages
                      krs_dialogs_layer2 krs_dialogs_security krs_dialogs_acl)
krs_target_defaults(krs_foreign_bench)
