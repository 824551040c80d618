#!/usr/bin/env bash
# Makes the Debian package of a build with cpack and checks it: name, section and dependencies, and that
# it holds the three games with their data, menu entries, icons and metainfo under /usr.
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1) ||
    { cat "$scratch/cpack.log" >&2; exit 1; }
packages=("$scratch"/out/skarvel-games_*.deb)
[[ -f ${packages[0]} ]] || { echo "FAIL: cpack made no skarvel-games package" >&2; exit 1; }
deb=${packages[0]}

[[ $(dpkg-deb -f "$deb" Section) == games ]] || fail "the package is not in the games section"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libsdl2-2.0-0 libsdl2-mixer-2.0-0 fonts-liberation2; do
    [[ $depends == *"$library"* ]] || fail "the package does not depend on $library: $depends"
done

dpkg-deb -c "$deb" | awk '{print $6}' >"$scratch/contents"
source "$(dirname "$0")/installed-files.sh"
for file in "${installed_files[@]}"; do
    grep -qx "./usr/$file" "$scratch/contents" || fail "the package lacks /usr/$file"
done
# Nothing of the build's own: no tests, benchmarks or tools.
if grep -E '_tests$|_bench$|/sk2pack$' "$scratch/contents"; then fail "the package holds build tools"; fi

[[ $failures -eq 0 ]] && echo "$(basename "$deb") holds the three games."
exit $((failures > 0))
