# Timing helpers for the side-by-side benchmark scripts (sourced, not run).
# LINE_WIDTH: the width of the name column of line().

# best RUNS COMMAND...: the fastest of RUNS runs, in seconds.
best() {
    local runs=$1; shift
    local fastest=""
    for _ in $(seq "$runs"); do
        local t0 t1
        t0=$(date +%s.%N); "$@" >/dev/null 2>&1 || true; t1=$(date +%s.%N)
        fastest=$(python3 -c "import sys; d=float(sys.argv[2])-float(sys.argv[1]); f=sys.argv[3]; print(d if not f or d<float(f) else f)" "$t0" "$t1" "$fastest")
    done
    echo "$fastest"
}
# line NAME SECONDS FILES: one row of the table, with the files per second.
line() { python3 -c "import sys; t=float(sys.argv[3]); print(f'{sys.argv[2]:<{int(sys.argv[1])}} {t:.3f} s {int(sys.argv[4])/t:>10,.0f} files/s')" "${LINE_WIDTH:-28}" "$@"; }
# times NAME A B: how many times B is A.
times() { python3 -c "import sys; print(f'{sys.argv[1]}: {float(sys.argv[2])/float(sys.argv[3]):.2f} times')" "$@"; }
