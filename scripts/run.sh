#!/usr/bin/env bash
# Sets up, builds what the editor needs and starts it on the sample drive data copied beside
# it; the tests, benchmarks and fuzz targets are left for scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# The editor and kpdtool, the keypad text box it creates by class id, the component runtime
# and the drive network library it loads by name, the registration tool and the sample data.
scripts/build.sh keypad-string-tool kpdtool lcdtextbox comrt zvnapi32 regcomp drive_data
# The editor creates its keypad text boxes by class id: register the control for this user.
out/bin/regcomp out/bin/liblcdtextbox.so || true
exec out/bin/keypad-string-tool "$@"
