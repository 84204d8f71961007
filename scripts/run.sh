#!/usr/bin/env bash
# Installs what is missing, builds, prepares the program folder beside the executable and starts Cantilog.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target cantilog cantilog-cli
# The program folder is the executable's folder: ship the files an installation starts with,
# never over ones already there.
for f in assets/program-folder/*; do
  [ -e "$f" ] || continue
  [ -e "build/$(basename "$f")" ] || cp "$f" build/
done
mkdir -p build/Documenti_Allegati
exec build/cantilog "$@"
