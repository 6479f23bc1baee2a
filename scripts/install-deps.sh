#!/usr/bin/env bash
# Installs everything bazi-seek needs to build, test and run on Debian 12 (as root).
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  libcli11-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev fonts-noto-cjk xvfb xauth
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6svg6
  dpkg-dev desktop-file-utils appstream
  liberfa-dev
  libhowardhinnant-date-dev tzdata libgeonames-dev
  python3
  clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
