#!/usr/bin/env bash
# Sets up, builds and starts the editor on the sample drive data copied beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
# The editor creates its keypad text boxes by class id: register the control for this user.
out/bin/regcomp out/bin/liblcdtextbox.so || true
exec out/bin/keypad-string-tool "$@"
