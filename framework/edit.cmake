# The edit-format language and the address validators' pure rules (no GUI).
target_sources(qs_core PRIVATE
    AddressChecks.cpp
    EditFormat.cpp
    EditFormatCheck.cpp
)
# The number-conversion error of the format parser is the class library's.
target_link_libraries(qs_core PUBLIC krs_gui_base)
