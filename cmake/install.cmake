# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where: the two programs, the desktop entry, the MIME type,
# the icons, the AppStream metadata, the manual pages, the help pages and the licence.
# The build tree keeps the help pages at the same place relative to its programs, so the
# editor finds them the same way in both.
include(GNUInstallDirs)

set(CUELIST_HOMEPAGE "https://quarnix.example/cuelist-studio" CACHE STRING
  "Project home page, named in the AppStream metadata and the package")
set(CUELIST_MAINTAINER "QUARNIX Cuelist Studio developers <cuelist-studio@quarnix.example>"
  CACHE STRING "Maintainer named in the Debian package")
set(CUELIST_RELEASE_DATE "2026-12-07")
set(CUELIST_RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 00:00:00 +0000")
option(CUELIST_DEBIAN_DOCS "Install the licence and changelog as a Debian package expects" OFF)

set(CUELIST_APP_ID com.quarnix.cueliststudio)
set(CUELIST_HELP_DIR ${CMAKE_INSTALL_DATADIR}/cuelist-studio/help)
set(CUELIST_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/cuelist-studio)
set(res ${PROJECT_SOURCE_DIR}/resources)

# The help pages, found relative to the program.
file(RELATIVE_PATH help_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_PREFIX}/${CUELIST_HELP_DIR})
target_compile_definitions(cuelist_dialogs PRIVATE CUELIST_HELP_FROM_BIN="${help_from_bin}")
file(GLOB help_pages CONFIGURE_DEPENDS ${res}/help/*.html)
foreach(page ${help_pages})
  get_filename_component(name ${page} NAME)
  configure_file(${page} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${help_from_bin}/${name} COPYONLY)
endforeach()

install(TARGETS cuelist-studio cuelist RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${help_pages} DESTINATION ${CUELIST_HELP_DIR})
install(FILES ${res}/desktop/cuelist-studio.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${res}/desktop/cuelist-studio.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

configure_file(${res}/desktop/${CUELIST_APP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/share/${CUELIST_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/share/${CUELIST_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${res}/icons/app.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME cuelist-studio.svg)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${res}/icons/hicolor/${size}x${size}/apps/cuelist-studio.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Compressed documents are made at build time, reproducibly (no name or time stamp).
function(cuelist_gzip input output)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "gzip -9n -c '${input}' > '${output}'"
    DEPENDS ${input} VERBATIM)
endfunction()

set(gzipped)
foreach(page cuelist.1 cuelist-studio.1)
  cuelist_gzip(${res}/man/${page} ${CMAKE_BINARY_DIR}/share/man/${page}.gz)
  list(APPEND gzipped ${CMAKE_BINARY_DIR}/share/man/${page}.gz)
  install(FILES ${CMAKE_BINARY_DIR}/share/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

if(CUELIST_DEBIAN_DOCS)
  configure_file(${res}/debian/copyright ${CMAKE_BINARY_DIR}/share/doc/copyright @ONLY)
  configure_file(${res}/debian/changelog ${CMAKE_BINARY_DIR}/share/doc/changelog @ONLY)
  cuelist_gzip(${CMAKE_BINARY_DIR}/share/doc/changelog ${CMAKE_BINARY_DIR}/share/doc/changelog.gz)
  list(APPEND gzipped ${CMAKE_BINARY_DIR}/share/doc/changelog.gz)
  install(FILES ${CMAKE_BINARY_DIR}/share/doc/copyright ${CMAKE_BINARY_DIR}/share/doc/changelog.gz
    DESTINATION ${CUELIST_DOC_DIR})
else()
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/CHANGELOG.md
    ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CUELIST_DOC_DIR})
endif()
add_custom_target(cuelist_compressed_docs ALL DEPENDS ${gzipped})
# Building only the programs (`make run`) must still leave everything install needs.
add_dependencies(cuelist-studio cuelist_compressed_docs)
add_dependencies(cuelist cuelist_compressed_docs)

# A desktop reads a new MIME type and desktop entry only from its caches. They are brought
# up to date when the prefix is one the desktop reads (the user's data home or a folder of
# XDG_DATA_DIRS) and the install is not staged into a DESTDIR for a package, whose own
# triggers do it. A missing tool is no error: the caches are then built at next login.
install(CODE [[
  set(cuelist_share "${CMAKE_INSTALL_PREFIX}/share")
  set(cuelist_read_by_desktop FALSE)
  if("$ENV{DESTDIR}" STREQUAL "")
    set(cuelist_data_home "$ENV{XDG_DATA_HOME}")
    if(cuelist_data_home STREQUAL "")
      set(cuelist_data_home "$ENV{HOME}/.local/share")
    endif()
    set(cuelist_data_dirs "$ENV{XDG_DATA_DIRS}")
    if(cuelist_data_dirs STREQUAL "")
      set(cuelist_data_dirs "/usr/local/share:/usr/share")
    endif()
    string(REPLACE ":" ";" cuelist_data_dirs "${cuelist_data_dirs}")
    file(REAL_PATH "${cuelist_share}" cuelist_share_real)
    foreach(dir IN LISTS cuelist_data_home cuelist_data_dirs)
      if(NOT dir STREQUAL "" AND EXISTS "${dir}")
        file(REAL_PATH "${dir}" dir_real)
        if(dir_real STREQUAL cuelist_share_real)
          set(cuelist_read_by_desktop TRUE)
        endif()
      endif()
    endforeach()
  endif()
  if(cuelist_read_by_desktop)
    find_program(cuelist_update_mime update-mime-database)
    find_program(cuelist_update_desktop update-desktop-database)
    if(cuelist_update_mime)
      message(STATUS "Updating the MIME database in ${cuelist_share}/mime")
      execute_process(COMMAND "${cuelist_update_mime}" "${cuelist_share}/mime" TIMEOUT 120)
    endif()
    if(cuelist_update_desktop)
      message(STATUS "Updating the desktop entry database in ${cuelist_share}/applications")
      execute_process(COMMAND "${cuelist_update_desktop}" "${cuelist_share}/applications"
        TIMEOUT 120)
    endif()
  endif()
]])
