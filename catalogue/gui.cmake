# The main menu bar built from the menu tree (the GUI layer).
krs_library(krs_catalogue_gui
    SOURCES
        MainMenuBar.cpp
    LIBS krs_catalogue krs_gui
)
