#!/usr/bin/env bash
# Installs a build into a scratch prefix the way a package would and checks what a desktop gets: the
# three programs, sk2's library files, menu entries, icons and AppStream metainfo that validate, and
# that each installed program starts from there. sk2 must keep its tracks in the user's data folder,
# never beside the installed program.
#   check-install.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/usr
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null

source "$(dirname "$0")/installed-files.sh"
for file in "${installed_files[@]}"; do
    [[ -s $prefix/$file ]] || fail "not installed: $file"
done

for game in "${games[@]}"; do
    desktop=$prefix/share/applications/org.skarvel.$game.desktop
    [[ -f $desktop ]] || continue
    desktop-file-validate "$desktop" || fail "menu entry of $game does not validate"
    grep -qx "Categories=Game;.*" "$desktop" || fail "menu entry of $game is not in the games menu"
    appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.skarvel.$game.metainfo.xml" \
        >/dev/null || fail "metainfo of $game does not validate"
done

# Each program runs headless in a home of its own until it is stopped; one that ends early failed.
for game in "${games[@]}"; do
    home=$scratch/home-$game
    mkdir -p "$home"
    status=0
    HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config QT_QPA_PLATFORM=offscreen \
        SDL_AUDIODRIVER=dummy timeout 3 "$prefix/bin/$game" >"$home/output" 2>&1 || status=$?
    [[ $status -eq 124 ]] || { fail "installed $game ended with status $status:"; cat "$home/output" >&2; }
done
[[ -s $scratch/home-sk2/data/sk2/sk2.trk ]] || fail "sk2 did not make its track file in the user's data folder"
[[ ! -e $prefix/bin/sk2.trk ]] || fail "sk2 wrote its track file beside the installed program"

[[ $failures -eq 0 ]] && echo "The installed tree is complete and every program starts."
exit $((failures > 0))
