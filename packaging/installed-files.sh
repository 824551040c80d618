# The files an installation of the games must hold, relative to its prefix; sourced by the checks.
games=(sk2 tumblor tesselo)
installed_files=(share/sk2/track36.iml share/sk2/sk2demo.sdl)
for game in "${games[@]}"; do
    installed_files+=(bin/$game share/applications/org.skarvel.$game.desktop
                      share/metainfo/org.skarvel.$game.metainfo.xml
                      share/icons/hicolor/128x128/apps/org.skarvel.$game.png)
done
