#!/usr/bin/env bash
# Takes the pictures of the user guide (docs/pictures/*.png) from the program's screens, shown on
# a virtual X display (Xvfb) over a fresh sample program folder. BUILD=DIR names the build folder
# (default build/); it builds guide-pictures and cantilog-cli there.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD:-build}"
missing=()
for p in xvfb xauth; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_=""; [ "$(id -u)" -eq 0 ] || sudo_=sudo
  $sudo_ apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -q "${missing[@]}"
fi
[ -e "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target guide-pictures cantilog-cli
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
CLI="$build/cantilog-cli" bash scripts/make_sample.sh "$folder/esempio"
mkdir -p docs/pictures
# A display of the size the area screens are drawn for.
xvfb-run -a -s "-screen 0 1024x768x24" "$build/guide-pictures" --folder "$folder/esempio" --out docs/pictures
ls -l docs/pictures
