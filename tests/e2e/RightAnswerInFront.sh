#!/usr/bin/env bash
# A wrong answer while the right-answer window is still open from "100%" brings that window to
# the front with the focus: Escape closes it and leaves the lose window open.
source "$(dirname "$0")/Session.sh"
Game=$1

StartGame "$Game" right wrong1 wrong2 wrong3

for Try in $(seq 40); do
    ClickControl "$Main" game/Unit1 Button7 # "100%": passes level 1 and opens the right-answer window
    WaitWindow 'Правильный ответ:' >/dev/null
    ClickControl "$Main" game/Unit1 SpeedButton1 # the first answer button, wrong three times in four
    if HasWindow 'Вы проиграли 8-((('; then break; fi
    ClickControl "$Main" game/Unit1 N1 # "Новая игра"
done
HasWindow 'Вы проиграли 8-(((' || Fail "no game was lost in $Try tries"
HasWindow 'Правильный ответ:' || Fail "the right-answer window is not open"
xdotool key Escape
for _ in $(seq 50); do HasWindow 'Правильный ответ:' || break; sleep 0.1; done
HasWindow 'Правильный ответ:' && Fail "Escape did not close the right-answer window"
HasWindow 'Вы проиграли 8-(((' || Fail "the lose window closed too"
echo "the right-answer window had the focus in front of the lose window"
