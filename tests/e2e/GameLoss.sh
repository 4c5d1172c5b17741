#!/usr/bin/env bash
# A wrong answer loses: the lose and right-answer windows appear and one loss is counted at the
# level where it happened. "Новая игра" after every right answer keeps each try at level 1, and
# the games it abandons are counted nowhere.
source "$(dirname "$0")/Session.sh"
Game=$1

StartGame "$Game" right wrong1 wrong2 wrong3

for Try in $(seq 40); do
    ClickControl "$Main" game/Unit1 SpeedButton1 # the first answer button, which holds the right answer one time in four
    if HasWindow 'Вы проиграли 8-((('; then break; fi
    ClickControl "$Main" game/Unit1 N1 # "Новая игра" on the menu bar
done
WaitWindow 'Вы проиграли 8-(((' >/dev/null
WaitWindow 'Правильный ответ:' >/dev/null
[ "$(StatLine 1)" = 1 ] || Fail "stat.txt line 1 is '$(StatLine 1)', not 1 after $Try tries"
for Line in $(seq 2 16); do [ "$(StatLine "$Line")" = 0 ] || Fail "stat.txt line $Line changed"; done
echo "game lost at try $Try, one loss counted at level 1"
