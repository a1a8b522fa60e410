#!/usr/bin/env bash
# Installs the Debian packages the terminal and its tests need. Does nothing
# when they are all there already.
set -euo pipefail

packages=(
  cmake g++ make ccache
  qt6-base-dev
  firebird3.0-server firebird3.0-utils firebird-dev libfbclient2
  libxlsxwriter-dev
  googletest libgtest-dev
  clang libclang-rt-14-dev
  python3 python3-openpyxl
  fonts-liberation
  xdg-utils
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q "${missing[@]}"
