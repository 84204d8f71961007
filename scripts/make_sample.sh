#!/usr/bin/env bash
# Fills the program folder DIR with a sample firm: one works journal of about thirty working days,
# a dozen equipment items and a dozen workers (some revisions and contracts due or overdue, dated
# from today), the title page settings, the password store of a new installation and a few
# attached documents. Every record goes in through cantilog-cli; CLI=PATH names the binary
# (default build/cantilog-cli). A folder that already holds archives is left untouched.
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "uso: [CLI=cantilog-cli] $0 CARTELLA" >&2
  exit 2
fi
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
cli="${CLI:-$root/build/cantilog-cli}"
dir="$1"
data="$here/sample_data.py"
if [ ! -x "$cli" ]; then
  echo "cantilog-cli non trovato: $cli (indicarlo con CLI=...)" >&2
  exit 3
fi
shopt -s nullglob
existing=("$dir"/*.cnt)
shopt -u nullglob
for f in Attrezzature.pro Dipendenti.pro Cantilog.ini; do
  [ ! -e "$dir/$f" ] || existing+=("$dir/$f")
done
if [ ${#existing[@]} -gt 0 ]; then
  echo "La cartella $dir contiene già degli archivi (${existing[0]##*/}): nessun dato di esempio scritto." >&2
  exit 1
fi
mkdir -p "$dir"
today="$(date +%d/%m/%Y)"
run() { "$cli" --folder "$dir" --today "$today" "$@"; }

[ -e "$dir/unins000.dll" ] || cp "$root/assets/unins000.dll" "$dir/"
python3 "$data" ini "$dir"
python3 "$data" attachments "$dir"
name="$(python3 "$data" name "$dir")"
run create-journal "$name" >/dev/null
python3 "$data" journal "$today" | run append journal "$name" >/dev/null
python3 "$data" equipment "$today" | run append equipment >/dev/null
python3 "$data" workers "$today" | run append workers >/dev/null
# The delivery report attached to the first page, printed by the program's own list report.
printf '%s\n' \
  "Verbale di consegna dei lavori - $name" \
  "Impresa: Edil Ferrari Costruzioni S.r.l." \
  "I lavori sono consegnati all'impresa; l'area di cantiere è libera da persone e cose." \
  "Il direttore dei lavori: Ing. Paolo Bertolini" \
  | run pdf list "Verbale di consegna dei lavori" "$dir/Documenti_Allegati/Verbale_consegna_lavori.pdf" >/dev/null
count() { run dump "$1" | python3 -c "import json, sys; print(len(json.load(sys.stdin)))"; }
echo "Cartella di esempio pronta: $dir (Cantilog \"$name\", $(count equipment) attrezzature, $(count workers) lavoratori)"
