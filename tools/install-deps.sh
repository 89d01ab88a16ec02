#!/usr/bin/env bash
# Installs every Debian package the build, the programs and the tests need.
# Safe to run more than once.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-pdf-dev libqt6svg6 qt6-l10n-tools
  libgl-dev libxkbcommon-dev
  libjpeg-dev libwmf-dev libuemf-dev gsfonts
  fonts-liberation fonts-liberation2
  libbenchmark-dev
  python3 python3-dbfread python3-dbf
  poppler-utils
)
apt-get update
apt-get install -y --no-install-recommends "${packages[@]}"
