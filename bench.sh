#!/usr/bin/env bash
# Release build of the benchmarks; arguments go to tovrin_bench (e.g. --benchmark_format=json).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh" >&2
cmake -S "$here" -B "$here/build-release" -DCMAKE_BUILD_TYPE=Release -DTOVRIN_BUILD_BENCH=ON >/dev/null
cmake --build "$here/build-release" --target tovrin_bench -j2 >&2
exec "$here/build-release/bench/tovrin_bench" "$@"
