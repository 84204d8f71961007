#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks the install tree: every file in place, the
# desktop entry and the metainfo valid, the manual pages well formed, and an installed copy
# keeping its data in the home folder, in $CANTILOG_FOLDER or in --folder, made on first start.
#   scripts/check_install.sh [BUILD]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "check_install: $*" >&2; exit 1; }
for f in bin/cantilog bin/cantilog-cli \
         share/applications/it.cantilog.Cantilog.desktop \
         share/icons/hicolor/scalable/apps/it.cantilog.Cantilog.svg \
         share/metainfo/it.cantilog.Cantilog.metainfo.xml \
         share/man/man1/cantilog.1 share/man/man1/cantilog-cli.1 \
         share/cantilog/unins000.dll share/cantilog/Guida.pdf; do
  [ -s "$prefix/$f" ] || fail "missing $f"
done
desktop-file-validate "$prefix/share/applications/it.cantilog.Cantilog.desktop"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/it.cantilog.Cantilog.metainfo.xml" >/dev/null \
  || fail "metainfo not valid"
for page in "$prefix"/share/man/man1/*.1; do
  warnings=$(groff -k -man -Tutf8 -ww -z "$page" 2>&1)
  [ -z "$warnings" ] || fail "$page: $warnings"
done
# Every command of the command line is in its manual page.
manual=$(groff -k -man -Tutf8 -P-cbou "$prefix/share/man/man1/cantilog-cli.1")
for c in journals create-journal "dump journal" "append workers" "search equipment" "summary contracts" total \
         "export workers" rtf "pdf journal" "pdf title" "pdf equipment" "pdf worker" "pdf list" "check vat"; do
  grep -qF -- "$c" <<<"$manual" || fail "cantilog-cli.1 lacks $c"
done

# The data folder of an installed copy.
export QT_QPA_PLATFORM=offscreen
home=$work/home
mkdir -p "$home"
env -u CANTILOG_FOLDER HOME="$home" "$prefix/bin/cantilog-cli" journals >/dev/null
[ -s "$home/Cantilog/unins000.dll" ] && [ -s "$home/Cantilog/Guida.pdf" ] && [ -d "$home/Cantilog/Documenti_Allegati" ] \
  || fail "~/Cantilog not made with its starter files"
echo "[Accesso]" > "$home/Cantilog/unins000.dll"
env -u CANTILOG_FOLDER HOME="$home" "$prefix/bin/cantilog-cli" create-journal Prova >/dev/null
[ -e "$home/Cantilog/Prova.cnt" ] || fail "journal not made in ~/Cantilog"
[ "$(cat "$home/Cantilog/unins000.dll")" = "[Accesso]" ] || fail "an existing store was replaced"
HOME="$home" CANTILOG_FOLDER="$work/rete/Cantilog" "$prefix/bin/cantilog-cli" journals >/dev/null
[ -s "$work/rete/Cantilog/unins000.dll" ] || fail "\$CANTILOG_FOLDER not used"
HOME="$home" CANTILOG_FOLDER="$work/rete/Cantilog" "$prefix/bin/cantilog-cli" --folder "$work/altro" journals >/dev/null
[ -s "$work/altro/unins000.dll" ] || fail "--folder not used first"
env -u CANTILOG_FOLDER HOME="$work/home2" CANTILOG_EXIT_AFTER_SHOW=1 "$prefix/bin/cantilog" >/dev/null 2>&1
[ -s "$work/home2/Cantilog/unins000.dll" ] || fail "the desktop program did not make ~/Cantilog"
echo "install tree: every file in place, desktop entry and metainfo valid, data folders as expected"
