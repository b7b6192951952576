#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and packages with, when any is missing.
set -euo pipefail

packages=(
  g++ cmake make
  qt6-base-dev libgl-dev
  libexpat1-dev
  libgtest-dev libgmock-dev
  libbenchmark-dev
  libxml2-utils
  help2man desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
