# Option lists, variable descriptors and lists, value texts by syntax.
target_sources(qs_core PRIVATE
    DateTimeNumber.cpp
    DateTimeOctets.cpp
    OctetTexts.cpp
    QsEncodeIndex.cpp
    QsFillVb.cpp
    QsIndexParts.cpp
    QsOptionList.cpp
    QsSNMPNames.cpp
    QsSNMPVar.cpp
    QsSNMPVarList.cpp
    QsValueTexts.cpp
    TextNumbers.cpp
)
