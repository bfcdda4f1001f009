# The Windows editor's picture: vantrel-screenshot.exe of build-win64 under wine, with Qt's windows
# platform on an X server (Xvfb) and wine's X11 driver, in a copy of the program folder with the
# demo files, writes PNGs of the editor and of its map, as scripts/run --screenshot does natively.
# Sourced after common.sh and wine.sh, inside a run that wine_start began; defines
# WINDOWS_EDITOR_TOOLS and wine_editor_screenshot.

# Xvfb runs the X server; ImageMagick's identify counts a picture's colours.
WINDOWS_EDITOR_TOOLS=(xvfb xauth imagemagick)

# Fewer colours than this and a picture counts as blank: a drawn editor has text, frames and lists.
PICTURE_MIN_COLOURS=8

# picture_drawn PNG: true when PNG is a picture with at least PICTURE_MIN_COLOURS colours.
picture_drawn() {
    local colours
    colours=$(identify -format '%k' "$1" 2>/dev/null) || return 1
    [ "$colours" -ge "$PICTURE_MIN_COLOURS" ]
}

# wine_editor_screenshot FILE: writes the editor's picture to FILE and the map's to FILE with -map
# before .png; fails unless both are written and drawn. The run's prefix switches to wine's X11
# driver for it: wine's desktop process decides every program's driver, so the wine server is
# restarted under the X server first.
wine_editor_screenshot() {
    local file=$1 folder=$1.program
    mkdir -p "$folder"
    cp -R "$ROOT/build-win64/bin/." "$ROOT/demo/." "$folder/"
    timeout 60 wineserver --kill || true
    timeout 60 wineserver --wait || true
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        timeout 60 wine reg add "HKCU\Software\Wine\Drivers" /v Graphics /d x11 /f \
            </dev/null >/dev/null 2>&1 &&
        timeout 60 wineserver --kill; timeout 60 wineserver --wait
        timeout 120 wine "$1/vantrel-screenshot.exe" "$(winepath -w "$2")" </dev/null
        status=$?
        timeout 60 wineserver --kill
        exit $status' screenshot "$folder" "$file" >&2
    local status=$?
    rm -rf "$folder"
    [ $status -eq 0 ] && picture_drawn "$file" && picture_drawn "${file%.png}-map.png"
}
