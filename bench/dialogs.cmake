# The static VLAN dialog walking 4,094 VLANs from krs-sim (run by hand, not by CTest).
if(TARGET krs_test_support AND TARGET krs_dialogs_layer2)
    add_executable(krs_vlan_static_bench VlanStaticBench.cpp)
    target_link_libraries(krs_vlan_static_bench PRIVATE krs_dialogs_layer2 krs_test_support)
    krs_target_defaults(krs_vlan_static_bench)
endif()
