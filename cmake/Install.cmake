# Installing Catenova like a desktop program, and its Debian package:
#   bin/catenova                         the launcher (packaging/catenova.in)
#   libexec/catenova/catenova            the program, started by the launcher in the data folder
#   share/catenova/                      the shipped data files (and examples/, when there are
#                                        any, and lines/, the example pole lines)
#   share/applications/catenova.desktop  the menu entry, opening *.cn3 span files
#   share/mime/packages/catenova.xml     the span file type application/x-catenova-span
#   share/icons/hicolor/.../catenova.*   the icon, scalable and 256x256
# `cpack -G DEB` in the build folder makes catenova-<version>-<arch>.deb for /usr.
include(GNUInstallDirs)

install(TARGETS catenova RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/catenova)
configure_file(${PROJECT_SOURCE_DIR}/packaging/catenova.in ${PROJECT_BINARY_DIR}/catenova.sh
               @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/catenova.sh DESTINATION ${CMAKE_INSTALL_BINDIR}
        RENAME catenova)

install(FILES ${PROJECT_SOURCE_DIR}/data/CABLEDAT.TXT ${PROJECT_SOURCE_DIR}/data/CN3NESC.TXT
        DESTINATION ${CMAKE_INSTALL_DATADIR}/catenova)
if(EXISTS ${PROJECT_SOURCE_DIR}/data/examples)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/examples
          DESTINATION ${CMAKE_INSTALL_DATADIR}/catenova)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/lines DESTINATION ${CMAKE_INSTALL_DATADIR}/catenova)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/catenova.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/catenova-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME catenova.xml)
# The icon is the mark of the report's logo, as the window shows it.
install(FILES ${PROJECT_SOURCE_DIR}/data/logo/catenova-mark.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME catenova.svg)
install(FILES ${PROJECT_SOURCE_DIR}/data/logo/catenova-mark.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME catenova.png)

# Installs into a staging folder and starts the installed launcher headless.
add_test(NAME install_test.launcher_prepares_the_data_folder_and_starts_the_program
         COMMAND sh ${PROJECT_SOURCE_DIR}/tests/install/install_test.sh ${PROJECT_BINARY_DIR}
                 ${PROJECT_BINARY_DIR}/install-test ${CMAKE_COMMAND})
set_tests_properties(install_test.launcher_prepares_the_data_folder_and_starts_the_program
                     PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 120)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME catenova)
set(CPACK_PACKAGE_VENDOR "Catenova")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sag-and-tension worksheet for aerial cable spans")
set(CPACK_PACKAGE_CONTACT "Catenova developers <catenova@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# fonts-liberation: the printed pages are laid out in fixed twips for Liberation Sans' widths.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6, qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, fonts-dejavu-core")
include(CPack)
