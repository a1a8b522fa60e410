#!/usr/bin/env bash
# Installs what is needed, starts the Firebird server, builds and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/start-firebird.sh
. scripts/firebird-credentials.sh

scripts/build.sh "$root/build"
(cd build && ctest -j2 --output-on-failure)

# Any crash the fuzzers find in their bounded run fails the test command.
scripts/fuzz.sh

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
scripts/sanitize.sh
