#!/usr/bin/env bash
# Configures and builds into out/ (two parallel jobs: the machines have two cores): every
# target, or only the targets named, e.g. scripts/build.sh kpdtool.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B out -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build out -j2 "${targets[@]}"
