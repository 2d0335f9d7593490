#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang in build-fuzz/ and runs each in turn for SECONDS
# (default 60) at the lowest priority, seeded from the shipped files of data/. The corpus
# grows in build-fuzz/corpus/<harness>/; an input that breaks a harness is saved as
# build-fuzz/findings/<harness>-crash-... and the script ends non-zero.
# Usage: scripts/fuzz.sh [SECONDS] [HARNESS...]   (CN3_JOBS sets the build's parallel jobs)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
shift || true
all=(catalogue user_cables settings number_format recompute span_file line_file)
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=("${all[@]}")

scripts/ensure-packages.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCN3_FUZZ=ON >/dev/null
nice cmake --build build-fuzz --target cn3_fuzzers -j "${CN3_JOBS:-$(nproc)}"

corpus=build-fuzz/corpus
mkdir -p build-fuzz/findings
for name in "${all[@]}"; do mkdir -p "$corpus/$name"; done

# Seeds, from the shipped data: the files as they are, the catalogue's cable lines as user
# cables, its number patterns with a value (8 bytes, big-endian double 1234.5) before them.
cp data/CABLEDAT.TXT "$corpus/catalogue/shipped"
cp data/CN3NESC.TXT "$corpus/settings/shipped"
printf 'English\r\n1\r\nWet snow,25,0.5,6,0.2\r\nGlaze,32,1,2,0\r\n' >"$corpus/settings/two-loadings"
tail -n 8 data/CABLEDAT.TXT | awk '{ sub(/\r$/, ""); name = substr($0, 1, 20); sub(/ +$/, "", name);
    n = split(substr($0, 21), f, " "); line = name "\t"; for (k = 1; k <= 7; k++) line = line f[k] "\t";
    printf "%s\r\n", line }' | { printf '\x30'; cat; } >"$corpus/user_cables/catalogue-lines"
i=0
grep -o '"[^"]*[#0][^"]*"' data/CABLEDAT.TXT | tr -d '"' | sort -u | while read -r pattern; do
  i=$((i + 1))
  { printf '\x40\x93\x4a\x00\x00\x00\x00\x00'; printf "\\x$(printf %02x ${#pattern})";
    printf '%s' "$pattern"; printf '12.5 ft'; } >"$corpus/number_format/pattern-$i"
done
# Two cables (strand tab row 3, K5 tab row 2), span 150.00, sag 1.5, distance 50, percent sag,
# user loading 1 ticked, Light, 60 degrees above the range's lower end.
printf '\x02\x00\x02\x00\x01\x01\x00\x06150.00\x031.5\x0250\x00\x00\x01\x01\x05\x02\x3c' \
  >"$corpus/recompute/strand-and-coax"
for f in data/examples/*.cn3; do
  [ -e "$f" ] && cp "$f" "$corpus/span_file/$(basename "$f")"
done
# A byte short of a record and a byte past one: neither may open.
first=$(ls data/examples/*.cn3 | head -n 1)
head -c 939 "$first" >"$corpus/span_file/short-939"
{ cat "$first"; printf '\x00'; } >"$corpus/span_file/long-941"
for f in data/lines/*.cnl data/lines/*.csv; do
  [ -e "$f" ] && cp "$f" "$corpus/line_file/$(basename "$f")"
done

failed=()
for name in "${harnesses[@]}"; do
  echo "== $name: $seconds s"
  if ! nice -n 19 "build-fuzz/tests/fuzz/cn3_${name}_fuzz" -max_total_time="$seconds" \
      -print_final_stats=1 -rss_limit_mb=2048 -timeout=10 \
      -artifact_prefix="build-fuzz/findings/$name-" "$corpus/$name" \
      >"build-fuzz/$name.log" 2>&1; then
    failed+=("$name")
    tail -n 40 "build-fuzz/$name.log"
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^#[0-9]+.*DONE' \
    "build-fuzz/$name.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]} (inputs in build-fuzz/findings/)"
  exit 1
fi
echo "Fuzzing found nothing in: ${harnesses[*]}"
