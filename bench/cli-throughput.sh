#!/usr/bin/env bash
# Throughput of velmora-cli over many songs in one call, against mp3info (when installed) run
# once per file and once over all files. Usage: bench/cli-throughput.sh [BUILD_DIR] [COUNT]
# BUILD_DIR is a Release build holding cli/velmora-cli (default build/).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
count=${2:-10000}
cli=$build/cli/velmora-cli
[ -x "$cli" ] || { echo "build velmora-cli first: cmake --build $build --target velmora-cli" >&2; exit 2; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# Small songs that mp3info also takes: an ID3v2 tag, twenty MPEG-1 Layer III frames, an ID3v1 tag.
python3 - "$dir" "$count" <<'PY'
import sys, os
d, n = sys.argv[1], int(sys.argv[2])
frame = b'\xff\xfb\x90\x64' + b'\x11' * 413
id3v2 = b'ID3\x03\x00\x00\x00\x00\x01\x00' + b'\x00' * 128
for i in range(n):
    tag = b'TAG' + (b'Song %d' % i).ljust(30) + b'Artist'.ljust(30) + b'Album'.ljust(30) + b'2001' + b'Comment'.ljust(28) + b'\x00\x07\x11'
    with open(os.path.join(d, 'song%05d.mp3' % i), 'wb') as f:
        f.write(id3v2 + frame * 20 + tag)
PY
cd "$dir"
cli=$OLDPWD/$cli
# best LABEL RUNS COMMAND...: the fastest of RUNS runs, as seconds and files per second.
best() {
    local label=$1 runs=$2; shift 2
    local fastest=""
    for _ in $(seq "$runs"); do
        local t0 t1
        t0=$(date +%s.%N); "$@" >/dev/null 2>&1 || true; t1=$(date +%s.%N)
        fastest=$(python3 -c "import sys; d=float(sys.argv[2])-float(sys.argv[1]); f=sys.argv[3]; print(d if not f or d<float(f) else f)" "$t0" "$t1" "$fastest")
    done
    python3 -c "import sys; t=float(sys.argv[1]); print(f'{sys.argv[3]:<36} {t:.3f} s, {int(sys.argv[2])/t:,.0f} files/s')" "$fastest" "$count" "$label"
}
per_file() { for f in song*.mp3; do "$@" "$f"; done; }
best "velmora-cli header --json, one call" 5 "$cli" header --json song*.mp3
best "velmora-cli tag --json, one call" 5 "$cli" tag --json song*.mp3
if command -v mp3info >/dev/null; then
    best "mp3info -x, one call" 5 mp3info -x song*.mp3
    best "mp3info -x, once per file" 1 per_file mp3info -x
else
    echo "mp3info is not installed: no comparison (apt-get install mp3info)"
fi
