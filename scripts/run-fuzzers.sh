#!/usr/bin/env bash
# Runs each libFuzzer target in the given build folder for a bounded time.
set -euo pipefail
dir=${1:-build-fuzz}
seconds=${2:-30}
for f in "$dir"/bin/fuzz_*; do
  [[ -x "$f" ]] || continue
  echo "== $(basename "$f") for ${seconds}s"
  "$f" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1
done
