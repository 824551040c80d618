#!/usr/bin/env bash
# ./test.sh             installs what is missing, builds everything and runs every test through ctest.
# ./test.sh --sanitize  the same with AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/.
set -euo pipefail
cd "$(dirname "$0")"

build=build
config=(-DCMAKE_BUILD_TYPE=Release)
if [[ ${1:-} == --sanitize ]]; then
    build=build-sanitize
    config=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKARVEL_SANITIZE=ON -DSKARVEL_BUILD_BENCHMARKS=OFF)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja "${config[@]}" >/dev/null
cmake --build "$build"
cd "$build"
exec ctest --output-on-failure --parallel "$(nproc)"
