#!/usr/bin/env bash
# Renders the logo and the icon mark of data/logo/ from their SVG sources into the PNG files
# that the program builds in (the build itself needs no SVG tool). Run it after changing an
# SVG and commit the PNGs. The logo is rendered at 300 dpi and its PNG states that resolution,
# so it prints 3 x 0.75 inch.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh librsvg2-bin python3

rsvg-convert -w 900 -h 225 data/logo/catenova-logo.svg -o data/logo/catenova-logo.png
rsvg-convert -w 256 -h 256 data/logo/catenova-mark.svg -o data/logo/catenova-mark.png

# The resolution goes into a pHYs chunk right after the header: 300 dpi = 11811 dots a metre.
python3 - data/logo/catenova-logo.png 11811 <<'PY'
import struct, sys, zlib
path, dots = sys.argv[1], int(sys.argv[2])
data = open(path, "rb").read()
head, rest = data[:33], data[33:]  # signature and IHDR
chunks, pos = [], 0
while pos < len(rest):
    length, kind = struct.unpack(">I4s", rest[pos:pos + 8])
    end = pos + 12 + length
    if kind != b"pHYs":
        chunks.append(rest[pos:end])
    pos = end
body = b"pHYs" + struct.pack(">IIB", dots, dots, 1)
phys = struct.pack(">I", 9) + body + struct.pack(">I", zlib.crc32(body))
open(path, "wb").write(head + phys + b"".join(chunks))
PY
echo "rendered data/logo/catenova-logo.png and data/logo/catenova-mark.png"
