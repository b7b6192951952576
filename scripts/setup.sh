#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and packages with, when any is missing.
set -euo pipefail

packages=(
  g++ cmake make
  qt6-base-dev libgl-dev
  libexpat1-dev
  libgtest-dev libgmock-dev
  libbenchmark-dev
  # Spelling: the library and the dictionaries the tests check with.
  libhunspell-dev hunspell-en-us hunspell-en-gb hunspell-fr hunspell-de-de hunspell-it hunspell-es
  # The fuzz targets and the sanitized core tests: clang with its sanitizer and fuzzer runtimes.
  clang libclang-rt-dev
  # Tools the tests call: xmllint, objcopy and readelf, python3 for the drive generator,
  # and the package test's dpkg-deb, validators and manual page writer.
  libxml2-utils binutils python3 dpkg
  help2man desktop-file-utils appstream
  # Outside judges of the translation exchange (msgfmt, po2xliff, xliff2po, pocount) and the
  # keypad font: written with fontTools at build time, checked with fc-scan.
  gettext translate-toolkit python3-fonttools fontconfig
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
