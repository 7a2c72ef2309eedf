# Cost of filling a list view from a walk of krs-sim, against the walk alone (run by hand, not by CTest).
add_executable(krs_bind_bench ListViewBench.cpp)
target_link_libraries(krs_bind_bench PRIVATE qs_bind krs_bench_support)
krs_target_defaults(krs_bind_bench)
