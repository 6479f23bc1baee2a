#!/usr/bin/env bash
# Installs, builds and runs the whole test suite: the release build (engine,
# command line, desktop form under the offscreen platform, table generator) and
# the ASan + UBSan build of the engine tests.
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
