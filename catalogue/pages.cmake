# Generic page commands: page definitions built into pages of the page framework.
krs_library(krs_catalogue_pages
    SOURCES
        PageCommand.cpp
        PageHooks.cpp
    LIBS krs_catalogue_main krs_pages
)
