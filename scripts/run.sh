#!/usr/bin/env bash
# Installs what is needed, builds, and starts the terminal.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/start-firebird.sh
scripts/build.sh "$root/build"
exec "$root/build/src/order-terminal"
