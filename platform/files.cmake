# Files the program reads: native names for its backslash file names, profile (ini) files.
krs_library(krs_platform NO_WIDGETS
    SOURCES
        FilePath.cpp
        ProfileFile.cpp
        TextTrim.cpp
)
