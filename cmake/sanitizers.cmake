# SPDX-License-Identifier: GPL-3.0-or-later
# Sanitizer builds apply to every target, so tests and the code under test agree.
# Line tables are all that the sanitizers' reports need, and they compile faster than full
# debugging information.
if(CUELIST_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g1)
  add_link_options(-fsanitize=address,undefined)
endif()
if(CUELIST_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer -g1)
  add_link_options(-fsanitize=thread)
endif()
