#!/usr/bin/env bash
# Playing and starting beside their peers on a private Xvfb, medians of 5 rounds:
#   bench/playback/run.sh [build dir] [Google Benchmark flags, e.g. --benchmark_filter=StartUp]
# ZZ_REPETITIONS (rounds), ZZ_PLAY_SECONDS, ZZ_IDLE_SECONDS and ZZ_CLIP change the run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
shift $(($# > 0 ? 1 : 0))
out=$(mktemp --suffix=.json)
trap 'rm -f "$out"' EXIT
ZZ_BUILD_DIR="$build" "$here/../../tests/tools/with_xvfb.sh" 1366x768 "$build/bench/playback_bench" \
  --benchmark_repetitions="${ZZ_REPETITIONS:-5}" --benchmark_report_aggregates_only=true \
  --benchmark_out="$out" --benchmark_out_format=json "$@" >/dev/null
python3 "$here/summary.py" "$out"
