#!/usr/bin/env bash
# Installs the Debian packages Tovrin needs to build, test and run, when missing.
set -euo pipefail
pkgs=(build-essential cmake pkg-config
      qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev qt6-qpa-plugins libgl-dev
      libcurl4-openssl-dev libgif-dev libgtest-dev libgmock-dev libbenchmark-dev
      python3 python3-pyftpdlib
      xvfb xauth imagemagick fonts-noto-cjk
      desktop-file-utils appstream dpkg-dev)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
