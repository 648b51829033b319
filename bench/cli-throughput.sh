#!/usr/bin/env bash
# Throughput and memory of velmora-cli over many songs in one call.
# Usage: bench/cli-throughput.sh [BUILD_DIR] [COUNT] [LARGE]
# BUILD_DIR is a Release build holding cli/velmora-cli (default build/). COUNT songs (default
# 5000) are read side by side by velmora-cli, mp3info -x (when installed) and head -c 4096, each
# given all of them in one call; then 1,000, LARGE/10 and LARGE songs (default 100000) are read
# from stdin, with the elapsed time and the peak memory of each run. BASELINE=PATH/velmora-cli
# (another build, say of an older commit) is timed on the same songs, side by side.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
count=${2:-5000}
large=${3:-100000}
cli=$PWD/$build/cli/velmora-cli
[ -x "$cli" ] || { echo "build velmora-cli first: cmake --build $build --target velmora-cli" >&2; exit 2; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# songs DIR N FRAMES: small songs that mp3info also takes: an ID3v2 tag, FRAMES MPEG-1 Layer III
# frames, an ID3v1 tag.
songs() {
    mkdir -p "$1"
    python3 - "$@" <<'PY'
import sys, os
d, n, frames = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
frame = b'\xff\xfb\x90\x64' + b'\x11' * 413
id3v2 = b'ID3\x03\x00\x00\x00\x00\x01\x00' + b'\x00' * 128
for i in range(n):
    tag = b'TAG' + (b'Song %d' % i).ljust(30) + b'Artist'.ljust(30) + b'Album'.ljust(30) + b'2001' + b'Comment'.ljust(28) + b'\x00\x07\x11'
    with open(os.path.join(d, 'song%06d.mp3' % i), 'wb') as f:
        f.write(id3v2 + frame * frames + tag)
PY
}
LINE_WIDTH=28
. bench/timing.sh # the folder is the project's root here

songs "$dir/small" "$count" 20
cd "$dir/small"
cat song*.mp3 >/dev/null # warm the page cache for everyone alike
echo "== $count songs, all in one call, fastest of 5 runs, side by side"
t_cli=$(best 5 "$cli" header --json song*.mp3); line "velmora-cli header --json" "$t_cli" "$count"
if [ -n "${BASELINE:-}" ]; then
    t_base=$(best 5 "$BASELINE" header --json song*.mp3); line "baseline header --json" "$t_base" "$count"
    t_cli2=$(best 5 "$cli" header --json song*.mp3); line "velmora-cli header (again)" "$t_cli2" "$count"
    times "velmora-cli header / baseline" "$t_cli" "$t_base"
fi
t_tag=$(best 5 "$cli" tag --json song*.mp3); line "velmora-cli tag --json" "$t_tag" "$count"
t_head=$(best 5 head -q -c 4096 song*.mp3); line "head -q -c 4096" "$t_head" "$count"
if command -v mp3info >/dev/null; then
    t_mp3info=$(best 5 mp3info -x song*.mp3); line "mp3info -x" "$t_mp3info" "$count"
    times "mp3info -x / velmora-cli header" "$t_mp3info" "$t_cli"
else
    echo "mp3info is not installed: no comparison (apt-get install mp3info)"
fi
times "velmora-cli header / head -c 4096" "$t_cli" "$t_head"
cd - >/dev/null

echo "== from stdin: elapsed time and peak memory"
rm -rf "$dir/small"
songs "$dir/large" "$large" 3
(cd "$dir/large" && ls) >"$dir/names"
for n in 1000 $((large / 10)) "$large"; do
    head -n "$n" "$dir/names" >"$dir/some"
    (cd "$dir/large" && /usr/bin/time -f "%e %M" -o "$dir/time" "$cli" header --json - \
        <"$dir/some" >/dev/null)
    read -r secs kb <"$dir/time"
    awk -v n="$n" -v s="$secs" -v kb="$kb" \
        'BEGIN { printf "%-8s songs: %6.2f s, peak %6.1f MB\n", n, s, kb / 1024 }'
done
