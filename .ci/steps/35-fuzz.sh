#!/usr/bin/env bash
# The fuzzers built as documented (clang, every library with coverage, ASan and
# UBSan), then each corpus replayed through its fuzzer: no fuzzing, only the
# kept inputs, so a fault they once found cannot come back unseen. Warnings
# are errors.
set -euo pipefail
build=build-ci-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DGYRELUNE_FUZZ=ON -DGYRELUNE_TESTS=OFF -DGYRELUNE_BENCH=OFF \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target formula_fuzzer document_fuzzer >/dev/null
"$build/fuzz/formula/formula_fuzzer" -runs=0 tests/formula/fuzz_corpus 2>&1 | grep -E 'DONE|ERROR'
"$build/fuzz/core/document_fuzzer" -runs=0 fuzz/core/corpus 2>&1 | grep -E 'DONE|ERROR'
