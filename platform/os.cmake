# Our layers over the operating system: registry file, program launch, JPEG pictures.
krs_library(krs_platform_os NO_WIDGETS
    SOURCES
        JpegImage.cpp
        ProgramLaunch.cpp
        Registry.cpp
    LIBS krs_platform Qt6::Core JPEG::JPEG
)
