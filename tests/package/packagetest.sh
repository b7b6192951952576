#!/usr/bin/env bash
# Builds the Debian package into a temporary folder, checks what it holds, validates its
# desktop entry and AppStream metadata, and starts every program it installs with --version
# from the unpacked package, with nothing of the build tree on the library or program paths.
# Usage: packagetest.sh BUILD_DIR VERSION. Exit 77 (skipped) where a tool it needs is missing
# (scripts/setup.sh installs them all): a check left out must not pass as done.
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2

for tool in dpkg-deb cpack desktop-file-validate appstreamcli readelf help2man; do
  command -v "$tool" >/dev/null || { echo "$tool not found: skipped"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; fail "cpack could not build the package"; }
deb=$(ls "$work"/deb/keypad-string-tool_"$version"_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no keypad-string-tool_${version}_*.deb in $work/deb"

dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//; s|^\./|/|' >"$work/contents"
for f in /usr/bin/keypad-string-tool /usr/bin/kpdtool /usr/bin/regcomp /usr/bin/keypad-node-sim /usr/bin/lcdglyphs \
         /usr/lib/keypad-string-tool/liblcdtextbox.so /usr/lib/keypad-string-tool/libcomrt.so \
         /usr/lib/keypad-string-tool/libzvnapi32.so \
         /usr/share/keypad-string-tool/kpdconf.kpx /usr/share/keypad-string-tool/modeConstants.kpc \
         "/usr/share/keypad-string-tool/VX KEYPAD TOOL HELP.HLP" /usr/share/keypad-string-tool/keypad-lcd.ttf \
         /usr/share/applications/org.example.KeypadStringTool.desktop \
         /usr/share/metainfo/org.example.KeypadStringTool.metainfo.xml \
         /usr/share/icons/hicolor/48x48/apps/keypad-string-tool.png \
         /usr/share/icons/hicolor/scalable/apps/keypad-string-tool.svg \
         /usr/share/man/man1/kpdtool.1.gz; do
  grep -qxF "$f" "$work/contents" || fail "the package lacks $f"
done
# Only run-time packages: a -dev dependency would drag the whole tool chain onto a desktop.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case "$depends" in *-dev*) fail "the package depends on a development package";; esac

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/org.example.KeypadStringTool.desktop" \
  || fail "desktop entry does not validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.KeypadStringTool.metainfo.xml" \
  || fail "AppStream metadata does not validate"
zcat "$root/usr/share/man/man1/kpdtool.1.gz" >"$work/kpdtool.1"
grep -qF 'check\-size' "$work/kpdtool.1" || fail "the manual page lacks the commands"

# Started from an empty folder, with a fresh home, and with nothing of the build tree reachable.
mkdir -p "$work/home" "$work/cwd"
for program in keypad-string-tool kpdtool regcomp keypad-node-sim lcdglyphs; do
  binary="$root/usr/bin/$program"
  if readelf -d "$binary" "$root"/usr/lib/keypad-string-tool/*.so | grep -F "$build" >/dev/null; then
    fail "$program or a library of the package has the build tree in its run path"
  fi
  output=$(cd "$work/cwd" && env -i HOME="$work/home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen \
             XDG_RUNTIME_DIR="$work/home" "$binary" --version 2>&1) || fail "$program --version failed: $output"
  case "$output" in *"$version"*) echo "$program: $output";; *) fail "$program --version printed: $output";; esac
done
echo "package ok: $(basename "$deb")"
