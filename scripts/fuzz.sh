#!/usr/bin/env bash
# scripts/fuzz.sh [--time SECONDS] [--parallel N] [TARGET...]
#
# Builds the libFuzzer targets with clang, ASan and UBSan in build-fuzz/ and runs each for a bounded
# time (60 s unless --time says otherwise), N at a time (1 unless --parallel says otherwise). Targets are
# named without the fuzz_ prefix (bitmap puzzle trackfile settings imagelib soundlib); none means all.
#
# Each run starts from the seed corpus made at build time and the inputs kept in fuzz/corpus/<target>,
# and adds what it finds to build-fuzz/fuzz/work/<target>. An input that crashes, hangs (-timeout) or
# takes too much memory (-rss_limit_mb) is saved under build-fuzz/fuzz/crashes/<target>/ and the script
# ends with a non-zero status; to keep it as a regression, copy it to fuzz/corpus/<target>/ once fixed.
# The log of each run is build-fuzz/fuzz/logs/<target>.log; the executions are counted at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

all=(bitmap puzzle trackfile settings imagelib soundlib)
seconds=60
parallel=1
targets=()
while [[ $# -gt 0 ]]; do
    case $1 in
    --time) seconds=$2; shift 2 ;;
    --parallel) parallel=$2; shift 2 ;;
    -h | --help) sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
    esac
done
[[ ${#targets[@]} -gt 0 ]] || targets=("${all[@]}")
for t in "${targets[@]}"; do
    [[ " ${all[*]} " == *" $t "* ]] || { echo "fuzz.sh: no fuzz target $t (${all[*]})" >&2; exit 2; }
done

scripts/install-deps.sh clang
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKARVEL_FUZZ=ON \
    -DSKARVEL_BUILD_TESTS=OFF -DSKARVEL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target $(printf 'fuzz_%s ' "${targets[@]}")

out=$build/fuzz
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy QT_LOGGING_RULES='qt.qpa.*=false'
export XDG_RUNTIME_DIR=$out/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run() {
    local t=$1
    mkdir -p "$out/work/$t" "$out/crashes/$t" "$out/logs" fuzz/corpus/"$t"
    local dict=()
    [[ -f fuzz/dict/$t.dict ]] && dict=(-dict=fuzz/dict/$t.dict)
    # The first folder receives what the run finds; the seeds and the kept inputs are only read.
    local result=0
    # The timeout is wall-clock time: generous, since a run under nice on a busy machine is slowed down
    # many times over, and a reader that hangs runs forever anyway.
    "$out/fuzz_$t" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -malloc_limit_mb=512 \
        -print_final_stats=1 -artifact_prefix="$out/crashes/$t/" "${dict[@]}" \
        "$out/work/$t" "$out/seeds/$t" "fuzz/corpus/$t" >"$out/logs/$t.log" 2>&1 || result=$?
    echo "$result" >"$out/logs/$t.status"
}

for t in "${targets[@]}"; do
    while [[ $(jobs -rp | wc -l) -ge $parallel ]]; do
        wait -n || true
    done
    rm -f "$out/logs/$t.status"
    echo "fuzz_$t: ${seconds} s, log in $out/logs/$t.log"
    run "$t" &
done
wait

echo
printf '%-10s %-7s %14s  %s\n' target result executions "saved inputs"
failed=0
for t in "${targets[@]}"; do
    result=ok
    if [[ $(cat "$out/logs/$t.status" 2>/dev/null) != 0 ]]; then
        result=FAILED
        failed=1
    fi
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$out/logs/$t.log" | grep -o '[0-9]*$' | tail -1 || true)
    saved=$(grep -o 'Test unit written to [^ ]*' "$out/logs/$t.log" | sed 's/Test unit written to //' | tr '\n' ' ' || true)
    printf '%-10s %-7s %14s  %s\n' "$t" "$result" "${runs:-?}" "${saved:--}"
done
exit $failed
