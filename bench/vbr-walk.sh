#!/usr/bin/env bash
# The header report of a long VBR song without an encoder's header, whose frames must all be
# counted, against reading the song once.
# Usage: bench/vbr-walk.sh [BUILD_DIR] [SECONDS]
# BUILD_DIR is a Release build holding cli/velmora-cli (default build/). The song is SECONDS
# (default 780: about 10 MB) of noise and tone made with ffmpeg and encoded by lame -V2 -t.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-780}
cli=$PWD/$build/cli/velmora-cli
[ -x "$cli" ] || { echo "build velmora-cli first: cmake --build $build --target velmora-cli" >&2; exit 2; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
ffmpeg -v error -f lavfi -i "anoisesrc=d=$seconds:c=pink:r=44100:a=0.3" \
    -f lavfi -i "sine=f=440:d=$seconds:r=44100" \
    -filter_complex "[0][1]amix=inputs=2,volume=enable='lt(mod(t,20),8)':volume=0.05" \
    -ac 2 "$dir/src.wav"
lame --quiet -V2 -t "$dir/src.wav" "$dir/vbr.mp3"
rm "$dir/src.wav"
song=$dir/vbr.mp3
best() {
    python3 - "$@" <<'PY'
import subprocess, sys, time
runs, cmd = int(sys.argv[1]), sys.argv[2]
fastest = min(
    (lambda t0: (subprocess.run(cmd, shell=True, stdout=subprocess.DEVNULL), time.perf_counter() - t0)[1])(time.perf_counter())
    for _ in range(runs))
print(f"{fastest:.4f}")
PY
}
cat "$song" >/dev/null # warm the page cache
echo "== $(stat -c %s "$song") bytes, VBR without an encoder's header, fastest of 9 runs"
"$cli" header --json "$song"
t_cli=$(best 9 "'$cli' header --json '$song'")
t_cat=$(best 9 "cat '$song' >/dev/null")
t_true=$(best 9 "'$cli' header --json /dev/null")
python3 -c "import sys; c,k,s=map(float,sys.argv[1:]); print(f'velmora-cli header: {c*1000:.1f} ms; cat: {k*1000:.1f} ms; velmora-cli on nothing (start-up): {s*1000:.1f} ms; header / cat: {c/k:.2f} times')" "$t_cli" "$t_cat" "$t_true"
