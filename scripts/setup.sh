#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need. Quick when all are present.
set -euo pipefail
packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6sql6-sqlite libxcb1-dev
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  fonts-dejavu-core
  xvfb xauth xdotool imagemagick x11-utils openbox wmctrl
  dpkg-dev file desktop-file-utils appstream
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
