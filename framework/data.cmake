# Option lists, variable descriptors and lists, value texts by syntax.
target_sources(qs_core PRIVATE
    QsOptionList.cpp
    QsSNMPNames.cpp
    QsSNMPVar.cpp
    QsSNMPVarList.cpp
    TextNumbers.cpp
)
