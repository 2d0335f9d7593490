#!/usr/bin/env bash
# Installs, with apt, whichever of the Debian packages the build needs are missing.
# Usage: scripts/ensure-packages.sh [extra packages...]
set -euo pipefail

# clang and its runtime libraries build the fuzzers (scripts/fuzz.sh).
packages=(build-essential cmake ninja-build qt6-base-dev libgtest-dev libgmock-dev
          libbenchmark-dev nlohmann-json3-dev fonts-dejavu-core fonts-liberation clang
          libclang-rt-dev "$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
