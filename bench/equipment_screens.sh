#!/usr/bin/env bash
# Inventory screens over 50,000 records (about 172 MB): the revision summary, the total value
# and the export grid, each opened as the editor opens it (filled on showing and painted),
# best of 5, each in a process of its own so that its peak memory is its own.
#   bench/equipment_screens.sh       (BUILD=dir to use an existing build, RECORDS=n for the size)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build-bench}
records=${RECORDS:-50000}

cmake -S "$root" -B "$build" -G Ninja -DCANTILOG_BENCH=ON >/dev/null
ninja -C "$build" -j2 bench_equipment_screens >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/bench/make_equipment.py" "$work/Attrezzature.pro" "$records"
printf 'Inventory: %d records, %d bytes\n' "$records" "$(stat -c %s "$work/Attrezzature.pro")"
for screen in summary total export; do
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bench/bench_equipment_screens" "$work" "$screen"
done
