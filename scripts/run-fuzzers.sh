#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each libFuzzer target in the given build folder for a bounded time. New inputs go to
# a scratch corpus; the seeds under fuzz/corpus/<target> are read only.
set -euo pipefail
dir=${1:-build-fuzz}
seconds=${2:-30}
seeds="$(cd "$(dirname "$0")/.." && pwd)/fuzz/corpus"
for f in "$dir"/bin/fuzz_*; do
  [[ -x "$f" ]] || continue
  name=$(basename "$f")
  work="$dir/corpus/$name"
  mkdir -p "$work"
  args=(-max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1)
  # A whole playlist file, so that every channel can vary.
  [[ "$name" == fuzz_playlist ]] && args+=(-max_len=261888)
  corpora=("$work")
  [[ -d "$seeds/${name#fuzz_}" ]] && corpora+=("$seeds/${name#fuzz_}")
  echo "== $name for ${seconds}s"
  "$f" "${args[@]}" "${corpora[@]}"
done
