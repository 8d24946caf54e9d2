#!/bin/sh
# Regenerates the GIF sample files and their expected frames with ImageMagick, an encoder and
# decoder independent of ours. Each NAME.N.ppm is frame N of NAME.gif at its own size and in its own
# colours, neither composed onto the screen nor made transparent. NAME.err holds the error text a
# file must fail with instead.
set -eu
cd "$(dirname "$0")"
rm -f ./*.gif ./*.ppm ./*.err

# 87a: ImageMagick always writes 89a; a file without extension blocks differs from 87a only in the
# version, so the graphic control block is dropped and the header renamed.
convert -size 37x23 gradient:red-blue -colors 16 still.tmp.gif
python3 - still.tmp.gif still87a.gif <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
pos = 13 + (3 * (2 << (data[10] & 7)) if data[10] & 0x80 else 0)
out = bytearray(b'GIF87a' + data[6:pos])
while data[pos] == 0x21:  # skip extension blocks and their sub-blocks
    pos += 2
    while data[pos]:
        pos += data[pos] + 1
    pos += 1
out += data[pos:]
open(sys.argv[2], 'wb').write(out)
PY
rm still.tmp.gif

convert -size 45x17 pattern:checkerboard -monochrome -set comment "a checkerboard, 1 bit" mono.gif
convert -size 200x150 -seed 7 plasma:red-blue -colors 256 photo256.gif
convert -size 33x19 gradient:yellow-green -swirl 90 -colors 64 -interlace GIF interlaced.gif
convert -loop 0 -delay 25 \
  -size 40x30 -page 40x30+0+0 gradient:white-black -colors 32 \
  -size 12x9 -page 40x30+5+7 gradient:red-yellow -colors 8 \
  -size 8x6 -page 40x30+30+20 xc:blue \
  +map anim.gif
head -c 2500 photo256.gif > truncated.gif
printf 'Read beyond end of file' > truncated.err

for gif in still87a mono photo256 interlaced anim; do
  frames=$(identify "$gif.gif" | wc -l)
  i=0
  while [ "$i" -lt "$frames" ]; do
    convert "$gif.gif[$i]" +repage -alpha off "ppm:$gif.$i.ppm"
    i=$((i + 1))
  done
done
