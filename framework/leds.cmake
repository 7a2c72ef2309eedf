target_sources(qs_core PRIVATE QsSNMPLedColorMapList.cpp)
