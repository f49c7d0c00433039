#!/usr/bin/env bash
# Sets up, builds (Release) and starts Tovrin in its working directory (~/Tovrin).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh"
cmake -S "$here" -B "$here/build-release" -DCMAKE_BUILD_TYPE=Release -DTOVRIN_BUILD_TESTS=OFF -DTOVRIN_BUILD_BENCH=OFF >/dev/null
cmake --build "$here/build-release" --target tovrin -j2
workdir="${TOVRIN_HOME:-$HOME/Tovrin}"
mkdir -p "$workdir"
# First run: bring in the two real histories and the help texts shipped
# with the project, so there is something to analyse and read at once. An
# existing file is never replaced.
for f in "$here/tests/data/RK8e49.txt" "$here/tests/data/hkmark6.txt" "$here"/data/help/help_*.txt; do
  [ -e "$workdir/$(basename "$f")" ] || cp "$f" "$workdir/$(basename "$f")"
done
cd "$workdir"
exec "$here/build-release/src/tovrin"
