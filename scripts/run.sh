#!/usr/bin/env bash
# Sets up, builds and starts Gyrelune.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DGYRELUNE_TESTS=OFF -DGYRELUNE_BENCH=OFF >/dev/null
cmake --build build-release -j"$(nproc)"
exec build-release/app/gyrelune "$@"
