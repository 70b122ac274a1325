#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree into a temporary prefix, compares the installed files with the
# expected list and checks the desktop entry, the MIME type and the AppStream metadata
# with their validators where they are installed.
set -euo pipefail
build=$1
expected=$2
prefix=$(mktemp -d /tmp/cuelist-install.XXXXXX)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
diff -u "$expected" <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)

for program in cuelist cuelist-studio; do
  [[ -x $prefix/bin/$program ]] || { echo "bin/$program is not executable" >&2; exit 1; }
done
"$prefix/bin/cuelist-studio" --version | grep -qx 'cuelist-studio [0-9.]*'
"$prefix/bin/cuelist" --version | grep -qx 'cuelist [0-9.]*'
gzip -t "$prefix"/share/man/man1/*.gz

share=$prefix/share
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$share/applications/cuelist-studio.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$share"/metainfo/*.metainfo.xml >/dev/null
fi
if command -v xmllint >/dev/null; then
  xmllint --noout "$share/mime/packages/cuelist-studio.xml"
fi
if command -v update-mime-database >/dev/null; then
  update-mime-database "$share/mime" 2>/dev/null
  grep -qx 'application/x-cuelist-playlist' "$share/mime/types"
  grep -q ':application/x-cuelist-playlist:\*\.slp$' "$share/mime/globs2"
  if command -v xdg-mime >/dev/null && command -v mimetype >/dev/null; then
    "$prefix/bin/cuelist" set "$prefix/show.slp" 1 1 VOICE01.MP3 >/dev/null
    type=$(XDG_DATA_DIRS=$share:/usr/share xdg-mime query filetype "$prefix/show.slp")
    [[ $type == application/x-cuelist-playlist ]] || { echo "show.slp is $type" >&2; exit 1; }
  fi
fi

# Installed into the data home the desktop reads, the MIME and desktop caches are brought
# up to date; staged into a DESTDIR for a package, they are left to the package.
if command -v update-mime-database >/dev/null; then
  home=$(mktemp -d /tmp/cuelist-home.XXXXXX)
  trap 'rm -rf "$prefix" "$home"' EXIT
  XDG_DATA_HOME=$home/.local/share cmake --install "$build" --prefix "$home/.local" >/dev/null
  grep -qx 'application/x-cuelist-playlist' "$home/.local/share/mime/types"
  DESTDIR=$home/stage XDG_DATA_HOME=$home/stage/usr/share \
    cmake --install "$build" --prefix /usr >/dev/null
  [[ ! -e $home/stage/usr/share/mime/types ]] || { echo "staged install updated the cache" >&2; exit 1; }
fi
echo "installed and validated"
