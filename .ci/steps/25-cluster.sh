#!/usr/bin/env bash
# The cluster recipes for real: a Slurm array job of 4 shards and its merge on
# a one-node cluster started here, and GNU parallel on the local cores, each
# byte-identical to one process (about half a minute), with the Release build's CLI.
set -euo pipefail
scripts/check-cluster.sh build-ci-release
