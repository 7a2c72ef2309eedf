# The main window, the front panel and the About box, and the program itself.
krs_library(krs_shell_main
    SOURCES
        About.cpp
        MainUnit.cpp
        PanelKRS5428MXFormUnit.cpp
        PanelPictures.cpp
    LIBS krs_shell_core krs_shell_dialog_core krs_gui krs_mib qs_bind
)
qt_add_resources(krs_shell_main "panel_pictures"
    PREFIX "/panel"
    BASE ${CMAKE_SOURCE_DIR}/resources/panel
    FILES
        ${CMAKE_SOURCE_DIR}/resources/panel/front.jpg
        ${CMAKE_SOURCE_DIR}/resources/panel/copper-green.jpg
        ${CMAKE_SOURCE_DIR}/resources/panel/copper-orange.jpg
        ${CMAKE_SOURCE_DIR}/resources/panel/fibre-green.jpg
        ${CMAKE_SOURCE_DIR}/resources/panel/fibre-orange.jpg
        ${CMAKE_SOURCE_DIR}/resources/panel/icon.jpg
)

add_executable(krs-manager main.cpp)
# The catalogue and the dialogs stand on the shell; their libraries are defined after this folder.
target_link_libraries(krs-manager PRIVATE krs_shell_main krs_catalogue_main krs_catalogue_pages
                      krs_dialogs_layer2 krs_dialogs_security krs_dialogs_acl)
krs_target_defaults(krs-manager)
