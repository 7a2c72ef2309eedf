# The catalogue's menu in the main window, with the commands of its entries.
krs_library(krs_catalogue_main
    SOURCES
        CatalogueMenu.cpp
    LIBS krs_catalogue_gui krs_shell_main
)
