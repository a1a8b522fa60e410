#!/usr/bin/env bash
# Installs what is needed, builds, readies the demo café, and starts the terminal.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/start-firebird.sh
scripts/build.sh "$root/build"
scripts/prepare-demo.sh "$root/build/src"
exec "$root/build/src/order-terminal"
