# Errors, message tables, expressions, ini reader and date-time values of the framework.
target_sources(qs_core PRIVATE
    MessageTable.cpp
    MessageTexts.cpp
    Expressions.cpp
    JoinPath.cpp
    QsDateTime.cpp
    QsIni.cpp
    SnmpErrors.cpp
    TextUtils.cpp
)
target_link_libraries(qs_core PUBLIC krs_platform)
