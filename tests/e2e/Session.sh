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
# another server was just giving up may fail to listen on it; then a fresh server is started.
StartDisplay() {
    local Number Server
    for _ in 1 2 3 4 5; do
        exec {DisplayFd}<> <(:)
        Xvfb -displayfd "$DisplayFd" -screen 0 1280x1024x24 -nolisten tcp >"$Work/xvfb.log" 2>&1 &
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

# Clicks at a point given relative to a window: Click WINDOW X Y.
Click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
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

# Line N of stat.txt, without its line end.
StatLine() { sed -n "${1}p" "$Work/stat.txt" | tr -d '\r'; }
