#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark program built in the given build folder and prints its figures.
set -euo pipefail
dir=${1:-build-bench}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# The lengths benchmark measures a corpus of varied MP3 files, made once in the build folder.
if [[ -z ${CUELIST_MP3_CORPUS:-} ]]; then
  export CUELIST_MP3_CORPUS=$dir/mp3-corpus
  if [[ ! -e $CUELIST_MP3_CORPUS/.complete ]]; then
    rm -rf "$CUELIST_MP3_CORPUS"
    "$(dirname "$0")/make-mp3-corpus.sh" "$CUELIST_MP3_CORPUS" && touch "$CUELIST_MP3_CORPUS/.complete"
  fi
fi
status=0
for b in "$dir"/bin/bench_*; do
  [[ -x "$b" ]] || continue
  echo "== $(basename "$b")"
  "$b" || status=1
done
exit $status
