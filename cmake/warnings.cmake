# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings every target of ours gets.
add_library(cuelist_warnings INTERFACE)
target_compile_options(cuelist_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
