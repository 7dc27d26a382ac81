#!/usr/bin/env bash
# Installs what Tavrel TS needs to build, run and test on Debian 12: as root
# directly, otherwise through sudo; without either it names what is missing.
set -euo pipefail
packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n
  libgl1-mesa-dev libmuparser-dev
  fonts-liberation fonts-dejavu-core
  poppler-utils
  xvfb xdotool
  desktop-file-utils appstream shared-mime-info libglib2.0-bin
  clang libclang-rt-14-dev
  clang-format
  python3-matplotlib python3-pandas
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

install=(apt-get install -y -qq --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Install them as root, then run this command again:" >&2
  echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive "${install[@]}"
