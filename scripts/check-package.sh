#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package that `make deb` built: lintian without errors, then the package
# unpacked into a scratch root, its programs hardened and started from there (the editor
# offscreen) and its MIME type recognised by xdg-mime.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(ls build-deb/cuelist-studio_*.deb)

timeout 300 lintian --fail-on error "$deb"

scratch=$(mktemp -d /tmp/cuelist-package.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg -x "$deb" "$root"

# Both programs read untrusted playlists and MP3 headers: they must be hardened.
for program in cuelist cuelist-studio; do
  binary=$root/usr/bin/$program
  if command -v hardening-check >/dev/null; then
    hardening-check "$binary"
  fi
  fail() { echo "$program: $1" >&2; exit 1; }
  readelf -hW "$binary" | grep -q 'Type: *DYN' || fail "not position-independent"
  readelf -lW "$binary" | grep -q 'GNU_RELRO' || fail "no RELRO"
  readelf -dW "$binary" | grep -Eq 'BIND_NOW|FLAGS_1.*NOW' || fail "not bound at start-up"
  symbols=$(readelf --dyn-syms -W "$binary")
  grep -q '__stack_chk_fail' <<<"$symbols" || fail "no stack protector"
  grep -Eq '__(mem[a-z]*|[a-z]*printf|str[a-z]*|read|fgets|poll|realpath)_chk' <<<"$symbols" ||
    fail "no fortified calls"
done

timeout 30 "$root/usr/bin/cuelist" --version
timeout 30 "$root/usr/bin/cuelist" set "$scratch/show.slp" 1 1 VOICE01.MP3 >/dev/null
test -f "$root/usr/share/cuelist-studio/help/help_e.html"
test -f "$root/usr/share/cuelist-studio/help/help.html"

# The editor opens the playlist, paints it and quits; its own runtime folder keeps it apart
# from any editor already running. A prompt before the first paint would wait forever, so
# the start has a time limit.
mkdir -m 700 "$scratch/runtime"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$scratch/runtime XDG_CONFIG_HOME=$scratch/config \
  CUELIST_QUIT_AFTER_FIRST_PAINT=1 timeout -k 5 60 "$root/usr/bin/cuelist-studio" \
  "$scratch/show.slp" >/dev/null || {
  echo "the packaged editor did not paint and quit within 60 s (status $?)" >&2
  exit 1
}

mkdir -p "$scratch/data/mime"
cp -r "$root/usr/share/mime/packages" "$scratch/data/mime/"
timeout 60 update-mime-database "$scratch/data/mime" 2>/dev/null
type=$(XDG_DATA_DIRS=$scratch/data:/usr/share timeout 30 xdg-mime query filetype "$scratch/show.slp")
[[ "$type" == application/x-cuelist-playlist ]] || { echo "show.slp is $type" >&2; exit 1; }
echo "package ok: $deb"
