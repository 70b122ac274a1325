#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each libFuzzer target in the given build folder for a bounded time, one per processor
# at once. New inputs go to a scratch corpus; the seeds under fuzz/corpus/<target> are read
# only. Each fuzzer's output is printed whole when it ends; any failure fails the script.
set -euo pipefail
dir=${1:-build-fuzz}
seconds=${2:-30}
parallel=${FUZZ_JOBS:-$(nproc)}
seeds="$(cd "$(dirname "$0")/.." && pwd)/fuzz/corpus"
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
declare -A names=()
failed=0

# Waits for one fuzzer to end and prints its output.
reap() {
  local pid status=0
  wait -n -p pid || status=$?
  echo "== ${names[$pid]} for ${seconds}s"
  cat "$logs/${names[$pid]}.log"
  if ((status != 0)); then
    echo "== ${names[$pid]} failed (status $status)" >&2
    failed=1
  fi
  unset "names[$pid]"
}

for f in "$dir"/bin/fuzz_*; do
  [[ -x "$f" ]] || continue
  name=$(basename "$f")
  work="$dir/corpus/$name"
  mkdir -p "$work"
  args=(-max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$dir/")
  # A whole playlist file, so that every channel can vary.
  [[ "$name" == fuzz_playlist ]] && args+=(-max_len=261888)
  corpora=("$work")
  [[ -d "$seeds/${name#fuzz_}" ]] && corpora+=("$seeds/${name#fuzz_}")
  while ((${#names[@]} >= parallel)); do reap; done
  "$f" "${args[@]}" "${corpora[@]}" >"$logs/$name.log" 2>&1 &
  names[$!]=$name
done
while ((${#names[@]} > 0)); do reap; done
exit "$failed"
