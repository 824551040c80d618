#!/usr/bin/env bash
# scripts/screenshots.sh  -  builds the screenshot programs in build/ and writes the README's pictures
# of the games' real windows to docs/screenshots/: tumblor.png, tesselo.png, sk2-start.png and
# sk2-race.png. Each program puts its game's windows into a state worth showing and checks what it
# saved (--check), so a broken picture stops the script instead of landing in the README.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
[[ -f build/build.ninja ]] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target screenshots

out=docs/screenshots
mkdir -p "$out"
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=$runtime QT_LOGGING_RULES='qt.qpa.*=false'

for game in tumblor tesselo sk2; do
    program=build/screenshots/${game}_shots
    if [[ ! -x $program ]]; then
        echo "$game: not part of this tree, no picture"
        continue
    fi
    "$program" "$out" --check
done

# The README shows these as they are: keep each small enough to load quickly.
for picture in "$out"/*.png; do
    size=$(stat -c %s "$picture")
    (( size <= 300 * 1024 )) || echo "warning: $picture is $((size / 1024)) KB" >&2
done
