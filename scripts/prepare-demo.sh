#!/usr/bin/env bash
# Readies the demo café for the terminal whose executable lies in the given
# program folder of a build tree (<build>/src): creates the demo database on
# the local Firebird server, which must already be running, unless it exists,
# and writes Net.txt and psw.txt beside the executable. Safe to repeat.
#
#   scripts/prepare-demo.sh <program folder>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ $# -ne 1 ]; then
  echo "usage: $0 <program folder>" >&2
  exit 2
fi
program=$(cd "$1" && pwd)
build=$(dirname "$program")
# The server's own user owns this folder, so the server can create the file.
database=/var/lib/firebird/3.0/data/devazire.fdb

. "$root/scripts/firebird-credentials.sh"
if [ -z "${ISC_PASSWORD:-}" ]; then
  echo "No SYSDBA password: neither /etc/firebird/3.0/SYSDBA.password nor ISC_PASSWORD" >&2
  exit 1
fi

if [ ! -e "$database" ]; then
  "$build/tools/demo-database" create "$database"
fi

# Code page 1251 text with CR LF line ends; both lines are plain ASCII.
printf 'Local\r\nlocalhost:%s\r\n' "$database" >"$program/Net.txt"
"$build/tools/psw-tool" write "$program/psw.txt" "$ISC_PASSWORD"
