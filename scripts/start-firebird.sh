#!/usr/bin/env bash
# Starts the local Firebird server unless one already listens on loopback.
# Debian's package only starts it under systemd; elsewhere its guard process
# is started here as the firebird user, as the package's init script does.
set -euo pipefail

listening() { (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; }

if listening; then
  exit 0
fi

/etc/init.d/firebird3.0 start >/dev/null

for _ in $(seq 1 100); do
  if listening; then
    exit 0
  fi
  sleep 0.2
done
echo "The Firebird server did not start listening on 127.0.0.1:3050" >&2
exit 1
