#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the game need, skipping what is already there.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libsqlite3-dev libgtest-dev
          libbenchmark-dev fonts-liberation fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
