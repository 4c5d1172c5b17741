#!/usr/bin/env bash
# Fifteen right answers win: the win window appears and the won-games line of stat.txt counts one.
source "$(dirname "$0")/Session.sh"
Game=$1

StartGame "$Game" same same same same

for _ in $(seq 15); do
    HasWindow 'Выиграл!!!' && Fail "the game was won before the 15th answer"
    ClickControl "$Main" game/Unit1 SpeedButton1 # the first answer button
done
WaitWindow 'Выиграл!!!' >/dev/null
[ "$(StatLine 16)" = 1 ] || Fail "stat.txt line 16 is '$(StatLine 16)', not 1"
for Line in $(seq 15); do [ "$(StatLine "$Line")" = 0 ] || Fail "stat.txt line $Line changed"; done
echo "game won, stat.txt counts the win"
