# Files the program reads: native names for its backslash file names, profile (ini) files; the
# count of event pumps running (PumpScope).
krs_library(krs_platform NO_WIDGETS
    SOURCES
        FilePath.cpp
        ProfileFile.cpp
        PumpScope.cpp
        TextTrim.cpp
)
