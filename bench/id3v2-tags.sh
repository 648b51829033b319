#!/usr/bin/env bash
# velmora-cli tag --json over songs that carry an ID3v2.4 tag, side by side in one run with an
# earlier velmora-cli (one that reads ID3v1 only) and with mutagen-inspect.
# Usage: bench/id3v2-tags.sh [BUILD_DIR] [EARLIER_CLI] [COUNT]
# BUILD_DIR is a Release build holding cli/velmora-cli (default build/). EARLIER_CLI is another
# velmora-cli to compare with (left out when not given). COUNT songs (default 5000) each hold a
# 4,096-byte ID3v2.4 tag, 20 MPEG-1 Layer III frames and an ID3v1 tag.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
earlier=${2:-}
count=${3:-5000}
cli=$PWD/$build/cli/velmora-cli
[ -x "$cli" ] || { echo "build velmora-cli first: cmake --build $build --target velmora-cli" >&2; exit 2; }
if [ -n "$earlier" ]; then
    earlier=$(realpath "$earlier")
    [ -x "$earlier" ] || { echo "$earlier is not a program" >&2; exit 2; }
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

python3 - "$dir" "$count" <<'PY'
import os, sys
d, n = sys.argv[1], int(sys.argv[2])
def synchsafe(v):
    return bytes([(v >> 21) & 0x7F, (v >> 14) & 0x7F, (v >> 7) & 0x7F, v & 0x7F])
def frame(fid, body):
    return fid + synchsafe(len(body)) + b'\0\0' + body
def text(fid, s):
    return frame(fid, b'\x03' + s.encode())
frame_bytes = b'\xff\xfb\x90\x64' + b'\x11' * 413
for i in range(n):
    frames = (text(b'TIT2', 'Song %d – Überschrift' % i) + text(b'TPE1', 'Artist') +
              text(b'TALB', 'Album') + text(b'TDRC', '2004-05-01') + text(b'TRCK', '%d/20' % (i % 20 + 1)) +
              text(b'TCON', 'Rock') + frame(b'COMM', b'\x03eng\0A comment'))
    tag = b'ID3\x04\x00\x00' + synchsafe(4096 - 10) + frames + b'\0' * (4096 - 10 - len(frames))
    v1 = (b'TAG' + (b'Song %d' % i).ljust(30) + b'Artist'.ljust(30) + b'Album'.ljust(30) + b'2004' +
          b'A comment'.ljust(28) + b'\x00\x07\x11')
    with open(os.path.join(d, 'song%05d.mp3' % i), 'wb') as f:
        f.write(tag + frame_bytes * 20 + v1)
PY

LINE_WIDTH=34
. bench/timing.sh # the folder is the project's root here

cd "$dir"
cat song*.mp3 >/dev/null # warm the page cache for everyone alike
"$cli" tag --json song00000.mp3 | grep -q '"id3v2":{"version":"2.4","title":"Song 0' ||
    { echo "velmora-cli does not read the ID3v2 tag of the songs" >&2; exit 1; }
echo "== $count songs with a 4 KB ID3v2.4 tag and an ID3v1 tag, all in one call"
t_new=$(best 5 "$cli" tag --json song*.mp3); line "velmora-cli tag --json" "$t_new" "$count"
if [ -n "$earlier" ]; then
    t_old=$(best 5 "$earlier" tag --json song*.mp3); line "earlier velmora-cli tag --json" "$t_old" "$count"
    times "this / earlier velmora-cli" "$t_new" "$t_old"
fi
if command -v mutagen-inspect >/dev/null; then
    t_mutagen=$(best 1 mutagen-inspect song*.mp3); line "mutagen-inspect (one run)" "$t_mutagen" "$count"
    times "mutagen-inspect / velmora-cli" "$t_mutagen" "$t_new"
else
    echo "mutagen-inspect is not installed: no comparison (apt-get install python3-mutagen)"
fi
