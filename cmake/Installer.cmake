# The Windows installer of the release build, Clearwell-<version>-setup.exe, made with NSIS
# (makensis) from installer/clearwell.nsi once Clearwell.exe is built. It installs Clearwell.exe and the
# toolbar button's picture "icon.ico" into Program Files\Clearwell.

find_program(CW_MAKENSIS makensis REQUIRED)

set(CW_SETUP_NAME "Clearwell-${PROJECT_VERSION}-setup.exe")
set(CW_SETUP ${CMAKE_BINARY_DIR}/${CW_SETUP_NAME})
set(CW_PUBLISHER "Halvane" CACHE STRING "The maker's name, shown in Add/Remove Programs")

# The button's picture as the build ships it beside the executables (target button_icon).
set(CW_SHIPPED_ICON ${CMAKE_BINARY_DIR}/icon.ico)

add_custom_command(OUTPUT ${CW_SETUP}
                   COMMAND ${CW_MAKENSIS} -V2 -WX
                           -DCW_VERSION=${PROJECT_VERSION}
                           "-DCW_CAPTION=Clearwell v${PROJECT_VERSION}"
                           -DCW_EXE=$<TARGET_FILE:Clearwell>
                           -DCW_ICON=${CW_SHIPPED_ICON}
                           -DCW_PUBLISHER=${CW_PUBLISHER}
                           -DCW_URL=${CW_MAKER_WEB_ADDRESS}
                           -DCW_OUTFILE=${CW_SETUP}
                           ${CMAKE_SOURCE_DIR}/installer/clearwell.nsi
                   DEPENDS Clearwell button_icon ${CMAKE_SOURCE_DIR}/installer/clearwell.nsi
                           ${CW_SHIPPED_ICON}
                   COMMENT "Packaging ${CW_SETUP_NAME}"
                   VERBATIM)
add_custom_target(installer ALL DEPENDS ${CW_SETUP})
