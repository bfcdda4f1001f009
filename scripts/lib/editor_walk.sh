# The end-to-end walk through the editor as a user makes it: Vantrel started from a scratch copy
# of the program folder under Xvfb, worked with real X mouse and keyboard events (xdotool), and
# every procedure file compared byte for byte with what the steps must leave. Sourced after
# common.sh; defines WALK_TOOLS and walk_editor.
#
# Places inside the windows come from the windows' own layout (in twips, 15 to a pixel) and the
# rows of the lists; the windows themselves are found with xdotool.

WALK_TOOLS=(xdotool)
WALK_EXPECTED=$ROOT/editor/window/tests/walk

# One row of the editor's lists, in pixels, with the fonts that the scripts install.
WALK_ROW=13

walk_fail() {
    say "Editor walk FAILED: $*"
    return 1
}

# walk_window NAME: the id of the visible window of that title, waited for up to 10 s.
walk_window() {
    local id
    id=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] || return 1
    printf '%s\n' "$id"
}

# walk_origin ID: "X Y" of the window's top-left corner on the screen.
walk_origin() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'
}

# walk_click BUTTON ID X Y: a click of the mouse button at X, Y inside the window.
walk_click() {
    local button=$1 x0 y0
    read -r x0 y0 < <(walk_origin "$2")
    xdotool mousemove --sync $((x0 + $3)) $((y0 + $4)) click "$button"
    sleep 0.4
}

# walk_row LIST_TOP ROW: the middle of a list row, in pixels from the window's top; LIST_TOP is
# where the list's first row begins.
walk_row() {
    echo $(($1 + $2 * WALK_ROW + WALK_ROW / 2))
}

# walk_menu_item POSITION COUNT: clicks item POSITION (from 0) of the popup menu of COUNT items
# that has just opened.
walk_menu_item() {
    local menu geometry x y w h
    menu=$(xdotool search --onlyvisible --pid "$WALK_PID" --name '^$' 2>/dev/null | tail -n 1)
    [ -n "$menu" ] || return 1
    geometry=$(xdotool getwindowgeometry --shell "$menu")
    x=$(sed -n 's/^X=//p' <<<"$geometry"); y=$(sed -n 's/^Y=//p' <<<"$geometry")
    w=$(sed -n 's/^WIDTH=//p' <<<"$geometry"); h=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
    xdotool mousemove --sync $((x + w / 2)) $((y + h * (2 * $1 + 1) / (2 * $2))) click 1
    sleep 0.4
}

# The steps, on the demo folder: EDDM, its second SID BIBAG1S, its leg BIBAG moved down; a fix
# added to it from the legs list's menu; the STAR ROKIL1A shown and its leg WLD moved up.
walk_steps() {
    local launcher editor dialog
    launcher=$(walk_window VANTREL) || return 1
    # "Create Terminal Procedures for vasFMC": 120, 3120, 3495, 1335 twips.
    walk_click 1 "$launcher" 124 252
    dialog=$(walk_window 'ATTENTION!') || return 1
    xdotool windowfocus --sync "$dialog" key Return
    sleep 0.5
    editor=$(walk_window VANTREL) || return 1

    # Airports from 950 twips down, SIDs and STARs from 540, legs below their header.
    walk_click 1 "$editor" 40 "$(walk_row 64 0)"
    walk_click 1 "$editor" 150 "$(walk_row 37 1)"
    walk_click 1 "$editor" 450 "$(walk_row 50 1)"
    walk_click 1 "$editor" 650 152 # the down button: 9600, 2040, 315, 495 twips

    walk_click 3 "$editor" 500 180 # below the legs
    walk_menu_item 1 5 || return 1 # "Add New FIX"
    dialog=$(walk_window 'Add NEW FIX') || return 1
    xdotool windowfocus --sync "$dialog"
    xdotool type --delay 20 NEWFX
    xdotool key Tab type --delay 20 48500000
    xdotool key Tab type --delay 20 11000000
    xdotool key Return
    sleep 0.5

    walk_click 1 "$editor" 300 "$(walk_row 37 0)"
    walk_click 1 "$editor" 450 "$(walk_row 50 2)"
    walk_click 1 "$editor" 650 112 # the up button: 9600, 1440, 315, 495 twips
}

# walk_session FOLDER: starts Vantrel in FOLDER on the display at hand, walks, and stops it.
walk_session() {
    local steps
    cd "$1" || return 1
    QT_QPA_PLATFORM=xcb ./Vantrel >vantrel.log 2>&1 &
    WALK_PID=$!
    walk_steps
    steps=$?
    kill "$WALK_PID" 2>/dev/null
    wait "$WALK_PID" 2>/dev/null
    return $steps
}

# walk_editor: runs the walk on a scratch copy of the program folder and compares the files.
walk_editor() {
    local scratch status=0 file
    scratch=$(mktemp -d /tmp/vantrel-walk.XXXXXX)
    cp "$BUILD/bin/Vantrel" "$scratch/"
    cp -R "$ROOT/demo/." "$scratch/"
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
        "source '$ROOT/scripts/lib/common.sh' && source '$ROOT/scripts/lib/editor_walk.sh' &&
         walk_session '$scratch'" || status=1
    if [ $status = 0 ]; then
        for file in "$ROOT"/demo/sid/* "$ROOT"/demo/star/*; do
            file=${file#"$ROOT/demo/"}
            if [ -e "$WALK_EXPECTED/$file" ]; then
                cmp -s "$WALK_EXPECTED/$file" "$scratch/$file" || { say "$file differs"; status=1; }
            else
                cmp -s "$ROOT/demo/$file" "$scratch/$file" || { say "$file changed"; status=1; }
            fi
        done
    else
        say "a window of the walk did not open"
    fi
    if [ $status = 0 ]; then
        say "Editor walk passed: clicks on an airport, a SID, a leg and the move buttons, a fix added from the menu, every procedure file as expected"
        rm -rf "$scratch"
    else
        walk_fail "see $scratch"
    fi
}
