#!/usr/bin/env bash
# Builds a Release and starts Catenova in the user's data folder (userdata/).
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target catenova

# The shipped files are copied only where missing: a user's settings and cables stay.
mkdir -p userdata
for f in data/*; do
  [ -f "$f" ] || continue  # data/icons/ is for installing, not a data file
  [ -e "userdata/$(basename "$f")" ] || cp "$f" userdata/
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found, so Catenova cannot open its window here."
  echo "To run it without a screen:  scripts/ensure-packages.sh xvfb xauth && xvfb-run -a ./run.sh"
  exit 1
fi
cd userdata
exec ../build/src/qt/catenova
