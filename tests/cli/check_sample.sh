#!/usr/bin/env bash
# The sample folder script writes a folder that cantilog-cli reads: a journal of about thirty
# pages, revisions due and overdue and contracts due today; run again, it leaves the folder alone.
#   check_sample.sh CANTILOG_CLI SOURCE_DIR
set -euo pipefail
cli="$1"
src="$2"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

CLI="$cli" bash "$src/scripts/make_sample.sh" "$dir/esempio" >/dev/null
run() { "$cli" --folder "$dir/esempio" "$@"; }
count() { python3 -c "import json, sys; print(len(json.load(sys.stdin)))"; }

[ "$(run journals)" = "Scuola Manzoni.cnt" ] || fail "journal list: $(run journals)"
pages="$(run dump journal "Scuola Manzoni" | count)"
[ "$pages" -ge 25 ] && [ "$pages" -le 35 ] || fail "$pages journal pages"
[ "$(run dump equipment | count)" -ge 10 ] || fail "equipment items"
[ "$(run dump workers | count)" -ge 10 ] || fail "workers"
due="$(run summary revisions | wc -l)"
overdue="$(run summary overdue | wc -l)"
contracts="$(run summary contracts | wc -l)"
[ "$overdue" -ge 1 ] && [ "$due" -gt "$overdue" ] || fail "revisions: $due due, $overdue overdue"
[ "$contracts" -ge 1 ] || fail "no contract due"
# The title page reads the settings file written in Windows-1252.
run pdf title "$dir/title.pdf" >/dev/null || fail "title page"
grep -q "Castelnuovo di Sotto" "$dir/esempio/Cantilog.ini" || fail "title page settings"
# Every attachment a record names is in the attachments folder.
run dump journal "Scuola Manzoni" >"$dir/journal.json"
run dump equipment >"$dir/equipment.json"
run dump workers >"$dir/workers.json"
names="$(python3 -c "import json, sys
for path in sys.argv[1:]:
    for r in json.load(open(path, encoding='utf-8')):
        for k in ('File01', 'File02', 'File03'):
            if r[k].strip(): print(r[k])" "$dir/journal.json" "$dir/equipment.json" "$dir/workers.json")"
[ "$(echo "$names" | grep -c .)" -ge 3 ] || fail "attachments named: $names"
while IFS= read -r name; do
  [ -f "$dir/esempio/Documenti_Allegati/$name" ] || fail "attachment $name missing"
done <<<"$names"

before="$(cksum "$dir/esempio/Attrezzature.pro")"
if CLI="$cli" bash "$src/scripts/make_sample.sh" "$dir/esempio" 2>/dev/null; then
  fail "a second run over the folder succeeded"
fi
[ "$(cksum "$dir/esempio/Attrezzature.pro")" = "$before" ] || fail "the second run changed the archive"
echo "sample folder: $pages pages, $due revisions due ($overdue overdue), $contracts contracts due"
