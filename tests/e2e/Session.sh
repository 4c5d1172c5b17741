# Shared steps of the end-to-end tests: a private X server, a fresh working folder, the program
# under test started in it, and real X input events. Sourced by each test script; everything it
# starts is ended when the script exits, whatever the outcome.
set -euo pipefail

Fail() {
    echo "FAIL: $*" >&2
    [ -s "${Work:-}/program.log" ] && sed 's/^/program: /' "$Work/program.log" >&2
    [ -s "${Work:-}/xvfb.log" ] && sed 's/^/xvfb: /' "$Work/xvfb.log" >&2
    exit 1
}

Work=$(mktemp -d /tmp/kvizora-e2e-XXXXXX)
Pids=()
Cleanup() {
    local Pid
    for Pid in "${Pids[@]}"; do kill "$Pid" 2>/dev/null || true; done
    for Pid in "${Pids[@]}"; do wait "$Pid" 2>/dev/null || true; done
    rm -rf "$Work"
}
trap Cleanup EXIT

# Starts Xvfb on a free display and exports DISPLAY. A server that took a display number which
# another server was just giving up may fail to listen on it; then a fresh server is started. The
# server does not reset when its last client leaves (-noreset): while it resets it turns clients
# away, and the program, started right after the check's xdotool has left, could meet that.
StartDisplay() {
    local Number Server
    for _ in 1 2 3 4 5; do
        exec {DisplayFd}<> <(:)
        Xvfb -displayfd "$DisplayFd" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$Work/xvfb.log" 2>&1 &
        Server=$!
        Pids+=("$Server")
        if read -r -t 10 -u "$DisplayFd" Number; then
            for _ in $(seq 20); do
                if DISPLAY=":$Number" xdotool getdisplaygeometry >/dev/null 2>&1; then
                    export DISPLAY=":$Number"
                    # The programs meet the X server, whatever platform the calling shell chose for Qt.
                    unset QT_QPA_PLATFORM
                    return 0
                fi
                sleep 0.1
            done
        fi
        kill "$Server" 2>/dev/null || true
        wait "$Server" 2>/dev/null || true
    done
    Fail "Xvfb did not start"
}

# Starts a program in the working folder: StartProgram BINARY.
StartProgram() {
    local Program
    Program=$(realpath "$1")
    (cd "$Work" && exec "$Program" >"$Work/program.log" 2>&1) &
    Pids+=($!)
    ProgramPid=$!
}

# The ids of the visible windows whose title is exactly $1.
Windows() {
    local Pattern
    Pattern=$(printf '%s' "$1" | sed 's/[][()*+?.^$|\\{}]/\\&/g')
    xdotool search --onlyvisible --name "^$Pattern\$" 2>/dev/null || true
}

# Prints the id of the visible window whose title is exactly $1, waiting up to 10 seconds.
WaitWindow() {
    local Id
    for _ in $(seq 100); do
        Id=$(Windows "$1" | head -n 1)
        if [ -n "$Id" ]; then echo "$Id"; return 0; fi
        sleep 0.1
    done
    Fail "no window \"$1\" appeared"
}

# True when a visible window titled exactly $1 exists.
HasWindow() { [ -n "$(Windows "$1")" ]; }

# The layouts that the programs embed, which give the controls' places.
Layouts=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../../resources")
# A form with a main menu has a menu bar of this height above its client area. The layouts give
# menu items no places; the first item starts at the bar's left edge, and a point this far into
# the bar, halfway down it, lies on that item.
MenuBarHeight=20
FirstMenuItemX=30

# Clicks the centre of a control of a window's layout, or the first item of its main menu:
# ClickControl WINDOW LAYOUT NAME, for instance ClickControl "$Main" game/Unit1 SpeedButton1.
ClickControl() {
    local Place
    Place=$(jq -r --arg Name "$3" --argjson Bar "$MenuBarHeight" --argjson ItemX "$FirstMenuItemX" '
        (if any(.Components[]; .Class == "TMainMenu") then $Bar else 0 end) as $Client
        | (.Components[] | select(.Name == $Name and has("Left"))
              | "\(.Left + (.Width / 2 | floor)) \($Client + .Top + (.Height / 2 | floor))"),
          (.Components[] | select(.Class == "TMainMenu") | .Items[0] | select(.Name == $Name)
              | "\($ItemX) \($Bar / 2)")' "$Layouts/$2.json") || Fail "cannot read $Layouts/$2.json"
    [ -n "$Place" ] || Fail "$2 has no control or first menu item $3"
    # shellcheck disable=SC2086 # the place is two words, X and Y
    xdotool mousemove --window "$1" $Place click 1
    sleep 0.2
}

# A question base of 15 levels with one record each: Base ANSWER1 ANSWER2 ANSWER3 ANSWER4.
WriteBase() {
    local Level
    for Level in $(seq 15); do
        printf 'Question %s\r\n%s\r\n%s\r\n%s\r\n%s\r\nkey %s\r\n' "$Level" "$1" "$2" "$3" "$4" "$Level"
    done >"$Work/base.txt"
}

WriteZeroStats() {
    for _ in $(seq 16); do printf '0\r\n'; done >"$Work/stat.txt"
}

# Starts the game in a fresh X server on a base whose every question has the answers ANSWER1 to
# ANSWER4 (the first is the right one), with 16 zero counts, and sets Main to its main window:
# StartGame PROGRAM ANSWER1 ANSWER2 ANSWER3 ANSWER4.
StartGame() {
    local Program=$1
    shift
    WriteBase "$@"
    WriteZeroStats
    StartDisplay
    StartProgram "$Program"
    Main=$(WaitWindow Kvizora)
}

# Line N of stat.txt, without its line end.
StatLine() { sed -n "${1}p" "$Work/stat.txt" | tr -d '\r'; }
