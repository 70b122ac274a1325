#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages of the named sets (default: run). Does nothing when every
# package is present; uses sudo when not run as root.
#   run    building and running the editor and cuelist
#   test   the tests, sanitizers and fuzzers
#   bench  the benchmarks
#   deb    building and checking the Debian package
#   all    every set
set -euo pipefail

run=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  libgl-dev libvulkan-dev
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev libmpg123-dev libebur128-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-noto-cjk
  zlib1g-dev
  fonts-noto-cjk fonts-dejavu-core
)
test=(
  ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  gstreamer1.0-tools
  poppler-utils
  # audio in every format the import reads, made by the tests
  sox lame flac vorbis-tools
  clang libclang-rt-14-dev
  desktop-file-utils appstream shared-mime-info xdg-utils
  dosfstools mtools
)
bench=(
  ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  # the preview is measured as heard through a private sound server
  pulseaudio pulseaudio-utils
  # the corpus of scripts/make-mp3-corpus.sh
  lame
)
deb=(
  dpkg-dev fakeroot file lintian
  desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl
)

sets=("$@")
[[ ${#sets[@]} -eq 0 ]] && sets=(run)
[[ " ${sets[*]} " == *" all "* ]] && sets=(run test bench deb)

packages=("${run[@]}")
for set in "${sets[@]}"; do
  case "$set" in
    run) ;;
    test) packages+=("${test[@]}") ;;
    bench) packages+=("${bench[@]}") ;;
    deb) packages+=("${deb[@]}") ;;
    *) echo "install-deps.sh: unknown set '$set' (run, test, bench, deb, all)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)

echo "Installing missing packages: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
