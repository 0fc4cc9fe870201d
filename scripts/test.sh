#!/usr/bin/env bash
# Sets up, builds from scratch and runs every test (unit, GUI offscreen, smoke under Xvfb).
# Usage: test.sh [CMAKE_OPTION...]; GYRELUNE_TEST_BUILD names the build directory.
# The benchmarks are left out unless an option turns them on.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${GYRELUNE_TEST_BUILD:-build-test}
rm -rf "$build"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGYRELUNE_BENCH=OFF "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
