# Installation layout and the Debian package.
#
#   bin/quilvane                launcher script
#   lib/quilvane/quilvane       the program, with its help page QV.html beside it
#   share/applications/quilvane.desktop
#   share/icons/hicolor/{scalable,16x16 .. 256x256}/apps/quilvane.{svg,png}
#   share/doc/quilvane/copyright
include(GNUInstallDirs)

# Installing (and so cpack) takes what is built instead of first building every target, tests and
# benchmarks included: the package holds only the program, which `make package` builds.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# A fixed folder rather than CMAKE_INSTALL_LIBDIR, which becomes lib/<multiarch> for a /usr prefix on
# Debian: the program and its help page are private files, not a library.
set(QUILVANE_INSTALL_PROGRAMDIR lib/quilvane)

install(TARGETS quilvane RUNTIME DESTINATION ${QUILVANE_INSTALL_PROGRAMDIR})
install(FILES resources/QV.html DESTINATION ${QUILVANE_INSTALL_PROGRAMDIR})

cmake_path(RELATIVE_PATH QUILVANE_INSTALL_PROGRAMDIR BASE_DIRECTORY ${CMAKE_INSTALL_BINDIR}
           OUTPUT_VARIABLE QUILVANE_LAUNCHER_TARGET)
string(APPEND QUILVANE_LAUNCHER_TARGET /quilvane)
configure_file(${CMAKE_CURRENT_LIST_DIR}/quilvane-launcher.in quilvane-launcher @ONLY)
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/quilvane-launcher DESTINATION ${CMAKE_INSTALL_BINDIR}
        RENAME quilvane)

install(FILES resources/quilvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/quilvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES resources/quilvane.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
foreach(size 16 24 48 64 128 256)
  install(FILES resources/icons/quilvane-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME quilvane.png)
endforeach()
# Every Debian package carries its copyright file, in the machine-readable format.
install(FILES resources/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quilvane)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quilvane)
set(CPACK_PACKAGE_VENDOR Kelvary)
# The project version has two parts (it is also the settings version); a package version has three.
if(PROJECT_VERSION_PATCH STREQUAL "")
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION}.0)
else()
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HTML font markup tool")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Mix a text colour from red, green and blue or pick a fixed or favourite\n"
       "colour, choose size, face, bold, italic, centring or marquee, and put the\n"
       "HTML font markup for a text on the clipboard.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER Kelvary)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
# dpkg-shlibdeps derives the Qt runtime libraries (libqt6widgets6 …) from the linked executable;
# the X11 platform plugin ships in libqt6gui6.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland platform plugin: without it Qt aborts at start in a Wayland session that has no
# XWayland, and a recommendation is skipped by --no-install-recommends installs.
# The window texts are Japanese: without a CJK face they show as boxes. The IPA faces keep the
# designed widths; the help command opens its page through xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-wayland, fonts-ipafont-gothic | fonts-noto-cjk")
# xclip (X11) and wl-copy (Wayland) keep the markup on the clipboard after the program ends on a
# desktop without a clipboard manager.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, xclip, wl-clipboard")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
