#!/usr/bin/env bash
# Builds a Release tree in build-bench/ and runs the benchmark programs,
# which print their figures: the order terminal against a throwaway demo
# database on the local Firebird server, and the local order table.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/start-firebird.sh
. scripts/firebird-credentials.sh

scripts/build.sh "$root/build-bench" -DCMAKE_BUILD_TYPE=Release

build-bench/bench/order-terminal-bench
build-bench/bench/localtable-bench
