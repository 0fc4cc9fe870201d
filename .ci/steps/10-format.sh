#!/usr/bin/env bash
# The tracked C++ sources are as clang-format (the committed .clang-format) leaves them.
set -euo pipefail
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
