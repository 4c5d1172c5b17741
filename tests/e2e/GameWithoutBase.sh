#!/usr/bin/env bash
# Without base.txt the game reports one error box captioned with its title, then shows its window.
source "$(dirname "$0")/Session.sh"
Game=$1

WriteZeroStats
StartDisplay
StartProgram "$Game"
Box=$(WaitWindow Kvizora)
[ "$(Windows Kvizora | wc -l)" = 1 ] || Fail "more than one window at start"
eval "$(xdotool getwindowgeometry --shell "$Box")"
[ "$WIDTH" -lt 600 ] || Fail "the first window is not a message box (${WIDTH}x${HEIGHT})"
xdotool windowfocus --sync "$Box"
xdotool key Return # a real key press, to the focused box
for _ in $(seq 100); do
    Main=$(Windows Kvizora | head -n 1)
    if [ -n "$Main" ] && [ "$Main" != "$Box" ]; then break; fi
    sleep 0.1
done
[ -n "${Main:-}" ] && [ "$Main" != "$Box" ] || Fail "the main window did not appear after the box"
eval "$(xdotool getwindowgeometry --shell "$Main")"
[ "$WIDTH" -gt 600 ] || Fail "the window after the box is ${WIDTH}x${HEIGHT}"
[ ! -e "$Work/base.txt" ] || Fail "base.txt was created"
echo "one error box, then the main window"
