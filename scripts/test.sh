#!/usr/bin/env bash
# Installs, builds and runs the whole test suite: the release build (engine,
# command line, desktop form under the offscreen platform, table generator),
# the ASan + UBSan build of the engine tests, and every libFuzzer target for
# BAZI_FUZZ_SECONDS (default 60) each, failing on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake --preset release
cmake --build --preset release -j "$jobs"
ctest --preset release -j "$jobs"

cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs" -L engine

cmake --preset fuzz -DBAZI_FUZZ_SECONDS="${BAZI_FUZZ_SECONDS:-60}"
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz -j "$jobs"
