# The edit-format language and the address validators' pure rules (no GUI).
target_sources(qs_core PRIVATE
    AddressChecks.cpp
)
