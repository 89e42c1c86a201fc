# Installation and the Debian package (scripts/package: build/voltaro_<version>_<arch>.deb).
# Installed below the prefix (/usr in the package):
#   bin/                      voltaro, voltaro-cli, voltaro-sim
#   lib/<arch>/voltaro/       the Japanese language modules, found from bin/ (see
#                             FindLanguageModule)
#   libexec/voltaro/          the installer launcher `setup`, which is no command for the PATH
#   share/applications/       the menu entry;  share/metainfo/  its AppStream description
#   share/icons/hicolor/      the icon: the SVG and PNGs rendered from it at build time
#   share/man/man1/           the manual pages, compressed as Debian wants them
#   share/doc/voltaro/        copyright, changelog, the user guide (README.md, docs/)
#   share/bash-completion/completions/  the completion of voltaro-cli
find_program(VOLTARO_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(VOLTARO_GZIP gzip REQUIRED)

set(_in ${PROJECT_SOURCE_DIR}/packaging)
set(_out ${PROJECT_BINARY_DIR}/packaging)
set(_generated)

# gzip -9n: no file name or time stamp in the result, so that equal pages give equal files.
function(voltaro_gzip_copy source target)
  get_filename_component(_dir ${target} DIRECTORY)
  string(REGEX REPLACE "\\.gz$" "" _plain ${target})
  add_custom_command(OUTPUT ${target}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${_plain}
    COMMAND ${VOLTARO_GZIP} -9nf ${_plain}
    DEPENDS ${source} VERBATIM)
endfunction()

set(VOLTARO_ICON_SIZES 16 22 24 32 48 64 128 256)
foreach(_size ${VOLTARO_ICON_SIZES})
  set(_dir ${_out}/icons/${_size}x${_size})
  set(_png ${_dir}/${VOLTARO_APP_ID}.png)
  add_custom_command(OUTPUT ${_png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_dir}
    COMMAND ${VOLTARO_RSVG_CONVERT} -w ${_size} -h ${_size} -o ${_png} ${_in}/${VOLTARO_APP_ID}.svg
    DEPENDS ${_in}/${VOLTARO_APP_ID}.svg VERBATIM)
  list(APPEND _generated ${_png})
  install(FILES ${_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
endforeach()

foreach(_page voltaro voltaro-cli voltaro-sim)
  configure_file(${_in}/man/${_page}.1 ${_out}/configured/${_page}.1 @ONLY)
  voltaro_gzip_copy(${_out}/configured/${_page}.1 ${_out}/man/${_page}.1.gz)
  list(APPEND _generated ${_out}/man/${_page}.1.gz)
  install(FILES ${_out}/man/${_page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

configure_file(${_in}/changelog.in ${_out}/configured/changelog @ONLY)
voltaro_gzip_copy(${_out}/configured/changelog ${_out}/doc/changelog.gz)
list(APPEND _generated ${_out}/doc/changelog.gz)
configure_file(${_in}/${VOLTARO_APP_ID}.metainfo.xml.in ${_out}/${VOLTARO_APP_ID}.metainfo.xml @ONLY)

add_custom_target(voltaro_package_data ALL DEPENDS ${_generated})

install(TARGETS voltaro voltaro-cli voltaro-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS voltaro_jpn voltaro-cli_jpn LIBRARY DESTINATION ${VOLTARO_PRIVATE_DIR})
install(TARGETS setup RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/voltaro)
install(FILES ${_in}/${VOLTARO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_out}/${VOLTARO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_in}/${VOLTARO_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${_in}/bash-completion/voltaro-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${_in}/copyright ${_out}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/voltaro)
# The user guide that Help > User Guide opens, with the pictures and the command-line
# manual it links to, in the same relative places as in the source tree.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/voltaro)
install(FILES ${PROJECT_SOURCE_DIR}/docs/cli.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/voltaro/docs)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/voltaro/docs FILES_MATCHING PATTERN "*.png")

# What the package holds, built without the tests (scripts/package, the package test).
add_custom_target(voltaro_package_content DEPENDS voltaro voltaro-cli voltaro-sim voltaro_jpn
  voltaro-cli_jpn setup voltaro_package_data)
# cpack installs what is built; it does not build "all" first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The file cpack writes (DEB-DEFAULT below): build/voltaro_<version>_<arch>.deb.
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE VOLTARO_DEB_ARCH
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(VOLTARO_DEB_FILE ${PROJECT_BINARY_DIR}/voltaro_${PROJECT_VERSION}_${VOLTARO_DEB_ARCH}.deb)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME voltaro)
set(CPACK_PACKAGE_VENDOR Orvanta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orvanta <voltaro@orvanta.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "configure and monitor power meters and transducers over Modbus")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[VOLTARO configures and monitors panel power meters and multi-circuit power
transducers through a serial RS-485 converter, an infra-red adapter
(Modbus-RTU) or Ethernet (Modbus-TCP): it uploads, edits, saves, compares and
downloads their parameters, shows measured values, harmonics and phase
vectors, and runs the maintenance commands.
.
The package holds the desktop program (voltaro), the command-line tool
(voltaro-cli), a simulated device for training and tests (voltaro-sim) and
the Japanese user interface.]=])
# The libraries the programs link come from dpkg-shlibdeps; Qt's platform plugins are
# loaded at run time, so no linked library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Fonts with Japanese glyphs and Qt's own Japanese texts (file dialogs, standard buttons)
# for the Japanese user interface.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "fonts-noto-cjk | fonts-ipafont-gothic, qt6-translations-l10n")
include(CPack)
