#!/usr/bin/env bash
# Installs, with apt, whichever of the packages Varnok 3 needs are missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
  xvfb xauth openbox poppler-utils fonts-liberation2 imagemagick ccache
  nlohmann-json3-dev libcli11-dev libcsv-dev libhowardhinnant-date-dev
  desktop-file-utils appstream help2man libxml2-utils man-db dpkg-dev file
  python3-jsonschema libpng-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=300 update
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=300 install -y --no-install-recommends "${missing[@]}"
