#!/usr/bin/env bash
# ./run.sh GAME  -  installs what is missing, builds the games and starts GAME (sk2, tumblor or tesselo).
set -euo pipefail
cd "$(dirname "$0")"

game=${1:-}
case "$game" in
    sk2|tumblor|tesselo) shift ;;
    *) echo "usage: ./run.sh sk2|tumblor|tesselo" >&2; exit 2 ;;
esac
[[ -f $game/CMakeLists.txt ]] || { echo "$game is not part of this tree yet" >&2; exit 1; }

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target "$game"
exec "build/$game/$game" "$@"
