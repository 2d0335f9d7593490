#!/usr/bin/env bash
# Builds a Release and starts Catenova in the user's data folder (userdata/).
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target catenova

# The shipped data files and example spans are copied only where missing: a user's settings,
# cables and spans stay.
mkdir -p userdata/examples
for f in data/*; do
  [ -f "$f" ] || continue  # folders (icons, logo, examples) are not data files
  [ -e "userdata/$(basename "$f")" ] || cp "$f" userdata/
done
for f in data/examples/*.cn3; do
  [ -e "$f" ] || continue
  [ -e "userdata/examples/$(basename "$f")" ] || cp "$f" userdata/examples/
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found, so Catenova cannot open its window here."
  echo "To run it without a screen:  scripts/ensure-packages.sh xvfb xauth && xvfb-run -a ./run.sh"
  exit 1
fi
# A span file named here is opened at start-up; its path is taken before moving to userdata/.
args=()
for a in "$@"; do args+=("$(realpath -- "$a")"); done
cd userdata
exec ../build/src/main/catenova "${args[@]}"
