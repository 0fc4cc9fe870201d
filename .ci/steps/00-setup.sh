#!/usr/bin/env bash
# The packages every later step needs.
set -euo pipefail
scripts/setup.sh
