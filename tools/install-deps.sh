#!/usr/bin/env bash
# Installs every Debian package the build, the programs and the tests need.
# Asks dpkg first: when every package is there it does nothing, so any user
# can run it; one that is not root is told what is missing and how to get it.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
  # build: compilers, binutils (objcopy adds the trainer's version block), cmake, ninja
  build-essential binutils cmake ninja-build pkg-config
  # the local table fuzzer (tools/fuzz-table.sh)
  clang libclang-rt-14-dev
  # Qt 6 with PDF; the platform plugins give the programs a real window and the
  # tests their offscreen one
  qt6-base-dev qt6-base-dev-tools qt6-pdf-dev qt6-qpa-plugins
  # the browser engine of the trainer's page windows
  qt6-webengine-dev
  # the start-up benchmark watches the X display for the first window
  libxcb1-dev
  libgl-dev libxkbcommon-dev
  # pictures
  libjpeg-dev libuemf-dev
  # an independent picture writer for the picture tests (convert)
  imagemagick
  # the toolkit's own dialogs in Czech
  qt6-translations-l10n
  # Arial, Arial Narrow and Times New Roman stand-ins
  fonts-liberation fonts-liberation2
  libbenchmark-dev
  # the pair replace hashes its files with the system's SHA-256
  libssl-dev
  # independent checks in the tests: dBASE readers, PDF text and pictures
  python3 python3-dbfread python3-dbf
  poppler-utils
  # the designer hands finished print jobs to the CUPS queue
  libcups2-dev
  # the printed header and footer are laid over the browser's own PDF pages
  libqpdf-dev
  # the printing tests run a CUPS scheduler of their own
  cups-daemon cups-client
  # djpeg reads the demo program folder's scans back
  libjpeg-turbo-progs
)
installed=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for package in "${packages[@]}"; do
  grep -qx "$package installed" <<< "$installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Install them as root: apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
apt-get update
apt-get install -y --no-install-recommends "${missing[@]}"
