# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (`make deb`): what cmake --install installs, with the library
# dependencies computed by dpkg-shlibdeps and the GStreamer plugins that preview needs.
set(CPACK_PACKAGE_NAME cuelist-studio)
set(CPACK_PACKAGE_VENDOR QUARNIX)
set(CPACK_PACKAGE_CONTACT "${CUELIST_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "playlist editor for a sound and announcement playback device")
set(CPACK_PACKAGE_DESCRIPTION "Cuelist Studio edits the playlist files (.slp) of a sound and
announcement playback device: 127 channels by 16 phrase frames, each
naming an MP3 file with its repeat times, volume and interval. It assigns
files dropped from the file manager, checks for missing files, shows the
total data size and previews a channel as the device plays it. The
cuelist command-line tool reads and edits playlists in scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CUELIST_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
