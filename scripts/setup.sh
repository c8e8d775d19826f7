#!/usr/bin/env bash
# Installs the Debian packages the project needs, only when one is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config git
  qtbase5-dev qtbase5-dev-tools libqt5opengl5-dev libqt5svg5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
  libavformat-dev libavcodec-dev libavfilter-dev libavdevice-dev libavutil-dev libswscale-dev libswresample-dev
  ffmpeg libmlt++-dev libmlt-dev melt libsdl2-dev libass-dev libxcb1-dev
  fonts-dejavu-core fonts-liberation2 fonts-wqy-microhei xvfb xauth dbus-daemon libbenchmark-dev ccache
  exfatprogs exfat-fuse
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
