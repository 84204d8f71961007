#!/usr/bin/env bash
# Time to render a whole journal to one PDF (one sheet per page) with cantilog-cli.
#   bench/journal_pdf.sh            (BUILD=dir to use an existing build, PAGES=n for the size)
# Prints the seconds of the fastest of three runs, pages per second and the PDF's size.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build-bench}
pages=${PAGES:-1000}

if [[ -z ${BUILD:-} ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    ninja -C "$build" -j2 cantilog-cli >/dev/null
fi
cli=$build/cantilog-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/bench/make_journal.sh" "$cli" "$work" cantiere "$pages"

best=""
for _ in 1 2 3; do
    start=$EPOCHREALTIME
    "$cli" --folder "$work" pdf journal cantiere all "$work/cantiere.pdf"
    end=$EPOCHREALTIME
    t=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
    if [[ -z $best ]] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$t; fi
done
size=$(stat -c %s "$work/cantiere.pdf")
sheets=$(pdfinfo "$work/cantiere.pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }' || true)
awk -v p="$pages" -v t="$best" -v s="$size" -v n="${sheets:-?}" 'BEGIN {
    printf "journal to PDF: %d pages in %.3f s (best of 3), %.0f pages/s, %d sheets, %.1f MB\n", p, t, p / t, n, s / 1048576 }'
