# Net-SNMP's client and agent libraries, as Debian's libsnmp-dev installs them.
find_path(NETSNMP_INCLUDE_DIR net-snmp/net-snmp-config.h)
find_library(NETSNMP_LIBRARY netsnmp)
find_library(NETSNMP_AGENT_LIBRARY netsnmpagent)
find_library(NETSNMP_MIBS_LIBRARY netsnmpmibs)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(NetSnmp REQUIRED_VARS NETSNMP_LIBRARY NETSNMP_INCLUDE_DIR)

if(NetSnmp_FOUND AND NOT TARGET NetSnmp::netsnmp)
    add_library(NetSnmp::netsnmp UNKNOWN IMPORTED)
    set_target_properties(NetSnmp::netsnmp PROPERTIES IMPORTED_LOCATION ${NETSNMP_LIBRARY}
                                                      INTERFACE_INCLUDE_DIRECTORIES ${NETSNMP_INCLUDE_DIR})
    if(NETSNMP_AGENT_LIBRARY)
        add_library(NetSnmp::agent UNKNOWN IMPORTED)
        set_target_properties(NetSnmp::agent PROPERTIES IMPORTED_LOCATION ${NETSNMP_AGENT_LIBRARY}
                                                        INTERFACE_LINK_LIBRARIES NetSnmp::netsnmp)
    endif()
    if(NETSNMP_MIBS_LIBRARY)
        add_library(NetSnmp::mibs UNKNOWN IMPORTED)
        set_target_properties(NetSnmp::mibs PROPERTIES IMPORTED_LOCATION ${NETSNMP_MIBS_LIBRARY}
                                                       INTERFACE_LINK_LIBRARIES NetSnmp::agent)
    endif()
endif()
