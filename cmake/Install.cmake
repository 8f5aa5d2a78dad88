# Installation (GNUInstallDirs) and the Debian package (CPack). Included last from
# CMakeLists.txt, once every target exists.
#
#   <bindir>/corvane, corvanectl
#   <datadir>/corvane/skins, lang          found by ProgramResourceFolder() (src/base/DataFolder)
#   <datadir>/applications, metainfo, icons/hicolor/{48,128,256}, man/man1, bash-completion
#   lib/udev/rules.d/70-corvane.rules      (CORVANE_UDEV_RULES_DIR)
include(GNUInstallDirs)

set(CORVANE_APP_ID "org.corvane.Corvane" CACHE STRING "Reverse-DNS id of the desktop entry, metainfo and icon")
set(CORVANE_HOMEPAGE "https://corvane.org" CACHE STRING "Project home page named in the metainfo")
# The metainfo's screenshots are the gallery's pictures kept in docs/ (main-window.png,
# main-window-zh.png, autoswitch-dialog.png), published under this address.
set(CORVANE_SCREENSHOT_URL "${CORVANE_HOMEPAGE}/screenshots" CACHE STRING
    "Where the metainfo's screenshots (the pictures in docs/) are published")
# Relative to the prefix, so a package for /usr puts it where udev reads vendor rules
# (/usr/lib/udev/rules.d) and a trial install into a private prefix stays inside it.
set(CORVANE_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING "udev rules folder")

set(CORVANE_DATA_SUBDIR "${CMAKE_INSTALL_DATADIR}/corvane")

# The program finds its shipped files relative to its own folder (see DataFolder.h).
file(RELATIVE_PATH CORVANE_BIN_TO_DATA "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_DATADIR}/corvane")
target_compile_definitions(corvane_base PRIVATE CORVANE_INSTALLED_RESOURCES="${CORVANE_BIN_TO_DATA}")

# --version on both executables.
target_compile_definitions(corvanectl PRIVATE CORVANE_VERSION="${PROJECT_VERSION}")

install(TARGETS corvanectl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/res/lang/Lan_EN.txt ${CMAKE_SOURCE_DIR}/res/lang/Lan.txt
              ${CMAKE_SOURCE_DIR}/res/lang/LanSetting.ini
        DESTINATION ${CORVANE_DATA_SUBDIR}/lang)
install(FILES ${CMAKE_SOURCE_DIR}/res/udev/70-corvane.rules DESTINATION ${CORVANE_UDEV_RULES_DIR})
install(FILES ${CMAKE_BINARY_DIR}/packaging/corvanectl.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/corvanectl.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME corvanectl)

if(TARGET corvane)
  target_compile_definitions(corvane PRIVATE CORVANE_VERSION="${PROJECT_VERSION}")
  install(TARGETS corvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY ${SKIN_DIR}/ DESTINATION ${CORVANE_DATA_SUBDIR}/skins)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/corvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  configure_file(${CMAKE_SOURCE_DIR}/packaging/corvane.desktop.in
                 ${CMAKE_BINARY_DIR}/packaging/${CORVANE_APP_ID}.desktop @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/corvane.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/packaging/${CORVANE_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/${CORVANE_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/${CORVANE_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 48 128 256)
    install(FILES ${SKIN_RES_DIR}/icon-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${CORVANE_APP_ID}.png)
  endforeach()
endif()

# Manual pages and the changelog are installed compressed, as Debian wants them, without a
# time stamp so the package builds the same each time. Besides the changelog, the
# documentation folder holds the copyright notice.
set(CORVANE_GZ_FILES "")
foreach(src packaging/corvane.1 packaging/corvanectl.1 packaging/debian/changelog)
  get_filename_component(name ${src} NAME)
  set(gz ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND sh -c "gzip -9nc '${CMAKE_SOURCE_DIR}/${src}' > '${gz}'"
    DEPENDS ${CMAKE_SOURCE_DIR}/${src}
    VERBATIM)
  list(APPEND CORVANE_GZ_FILES ${gz})
endforeach()
add_custom_target(corvane_packaging_files ALL DEPENDS ${CORVANE_GZ_FILES})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/debian/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvane)

# The installed tree and the desktop files, checked by ctest (label "install"); the package
# itself is built and checked by scripts/package.
if(TARGET corvane)
  add_test(NAME InstallTree
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DWORK=${CMAKE_BINARY_DIR}/install-test
            -DVERSION=${PROJECT_VERSION} -DAPP_ID=${CORVANE_APP_ID} -P ${CMAKE_SOURCE_DIR}/tests/install/InstallTree.cmake)
  set_tests_properties(InstallTree PROPERTIES LABELS install TIMEOUT 600)
  add_test(NAME DesktopEntryValidates
    COMMAND desktop-file-validate ${CMAKE_BINARY_DIR}/packaging/${CORVANE_APP_ID}.desktop)
  add_test(NAME MetainfoValidates
    COMMAND appstreamcli validate --no-net --pedantic ${CMAKE_BINARY_DIR}/packaging/${CORVANE_APP_ID}.metainfo.xml)
  add_test(NAME BashCompletion
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/Completion.sh ${CMAKE_SOURCE_DIR}/packaging/corvanectl.bash-completion
            $<TARGET_FILE_DIR:corvanectl>)
  set_tests_properties(DesktopEntryValidates MetainfoValidates BashCompletion PROPERTIES LABELS install)
endif()

# The Debian package: scripts/package runs `cpack -G DEB` on a build configured for /usr.
set(CPACK_PACKAGE_NAME "corvane")
set(CPACK_PACKAGE_VENDOR "Corvane")
set(CPACK_PACKAGE_CONTACT "Corvane maintainers <maintainers@corvane.org>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for a family of gaming mice")
set(CPACK_PACKAGE_DESCRIPTION
    "Corvane configures a family of gaming mice (USB cable, 2.4 GHz receiver\n\
or Bluetooth): five profiles with button functions, DPI levels, polling\n\
rate, lighting and power saving, macros recorded and edited in a library,\n\
firmware update and receiver pairing. It comes as a desktop program with a\n\
tray icon that shows the battery, and as the command-line tool corvanectl.\n\
A udev rule gives the user at the seat access to the mouse, so neither\n\
needs root.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CORVANE_HOMEPAGE}")
# Library dependencies come from dpkg-shlibdeps; the fonts the skins ask for are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-noto-cjk, udev")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${CMAKE_SOURCE_DIR}/packaging/debian/postinst")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
