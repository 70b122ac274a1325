# SPDX-License-Identifier: GPL-3.0-or-later
# The programs read playlists and MP3 headers from anywhere, so optimised builds get the
# hardening Debian applies to its packages: stack protector, fortified C library calls,
# read-only relocations bound at start-up. Executables are position-independent already:
# Qt requires -fPIC and the compiler links PIE by default. `make deb` takes the same flags
# from dpkg-buildflags instead and turns this off.

set(cuelist_hardening_default ON)
if(CUELIST_SANITIZE OR CUELIST_TSAN OR CUELIST_FUZZ)
  set(cuelist_hardening_default OFF)
endif()
option(CUELIST_HARDENING "Harden optimised builds (stack protector, fortify, relro, bind-now)"
  ${cuelist_hardening_default})

if(CUELIST_HARDENING)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  # Fortification needs the optimiser; a debug build would only warn about it.
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
