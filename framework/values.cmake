# The value half of the binding without the GUI: byte forms by syntax, port-list texts, edit
# groups and the LED decoding rules.
target_sources(qs_core PRIVATE
    EditGroups.cpp
    PortListTexts.cpp
    QsByteForms.cpp
    QsSNMPLed.cpp
    TypedGroups.cpp
    TypedText.cpp
    TypedTextDates.cpp
    TypedTextOctets.cpp
)
