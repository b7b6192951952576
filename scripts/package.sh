#!/usr/bin/env bash
# Sets up, builds and makes the Debian package out/keypad-string-tool_VERSION_ARCH.deb;
# install it with: apt install ./out/keypad-string-tool_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
cd out
cpack -G DEB
ls -1 "$PWD"/keypad-string-tool_*.deb
