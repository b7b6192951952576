#!/usr/bin/env bash
# Sets up, builds and starts the editor on the sample drive data copied beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec out/bin/keypad-string-tool "$@"
