#!/usr/bin/env bash
# Checks that two builds of kpdtool write the same bytes: every build output (Intel hex,
# raw binary, assembler, download segments, raw image) and the text export with every
# field, of the sample drive and of five generated sets (seeds 1-5, 300 parameters, three
# languages), is made by both and compared.
#
#   bench/compare_outputs.sh OLD_KPDTOOL NEW_KPDTOOL
#
# Run from anywhere; the sets are made in a temporary folder and removed. Exit status 0
# when every file is identical, 1 otherwise (the differing files are listed).
set -euo pipefail
old=$(realpath "$1")
new=$(realpath "$2")
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d -t kpd-compare-XXXXXX)
trap 'rm -rf "$work"' EXIT

cp -r "$root/data" "$work/sample"
cp "$work/sample/Custom.kpl" "$work/sample/sample.kpd"
drives=("sample:sample.kpd")
for seed in 1 2 3 4 5; do
    python3 "$root/tools/drivegen/drivegen.py" --out "$work/seed$seed" --seed "$seed" \
        --parameters 300 --languages 3 >/dev/null
    drives+=("seed$seed:custom.kpd")
done

status=0
for drive in "${drives[@]}"; do
    folder=$work/${drive%%:*}
    for side in old new; do
        out=$work/out-${drive%%:*}-$side
        mkdir -p "$out/asm" "$out/segs"
        tool=$old; [ "$side" = new ] && tool=$new
        set +e
        "$tool" --folder "$folder" build "$folder/${drive#*:}" --hex "$out/db.hex" --bin "$out/db.bin" \
            --asm "$out/asm" --segments "$out/segs" --image "$out/db.img" >"$out/stdout" 2>"$out/stderr"
        echo $? >"$out/status"
        # Every field of every text, as the model holds it after the load.
        "$tool" --folder "$folder" export "$folder/${drive#*:}" "$out/export.txt" --options 65535 \
            >"$out/export-stdout" 2>"$out/export-stderr"
        echo $? >"$out/export-status"
        set -e
    done
    if diff -r "$work/out-${drive%%:*}-old" "$work/out-${drive%%:*}-new" >/dev/null; then
        echo "${drive%%:*}: identical ($(find "$work/out-${drive%%:*}-new" -type f | wc -l) files, exit status $(cat "$work/out-${drive%%:*}-new/status"))"
    else
        echo "${drive%%:*}: DIFFERENT"
        diff -rq "$work/out-${drive%%:*}-old" "$work/out-${drive%%:*}-new" || true
        status=1
    fi
done
exit $status
