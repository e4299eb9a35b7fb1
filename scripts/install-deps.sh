#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need.
# Packages already present are left alone; nothing else is downloaded.
set -euo pipefail

PKGS=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev libqt6sql6-sqlite libqt6sql6-psql
  libgl-dev libcpp-httplib-dev
  xvfb xauth poppler-utils python3-xlrd curl
  fonts-dejavu-core fonts-liberation
)

missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
