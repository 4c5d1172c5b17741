#!/usr/bin/env bash
# Every answer of the trainer writes one log line that starts with its mark; the log is read back
# from the text box through the clipboard, as a player would copy it.
source "$(dirname "$0")/Session.sh"
Trainer=$1
Clicks=5

WriteBase right wrong1 wrong2 wrong3
StartDisplay
StartProgram "$Trainer"
Main=$(WaitWindow 'Kvizora (тренажер)')

for _ in $(seq "$Clicks"); do
    ClickControl "$Main" trainer/Unit1 SpeedButton1 # the first answer button
done
ClickControl "$Main" trainer/Unit1 Memo1 # into the log
xdotool key --window "$Main" ctrl+a ctrl+c
sleep 0.3
Log=$(xclip -o -selection clipboard)
[ "$(printf '%s\n' "$Log" | wc -l)" = "$Clicks" ] || Fail "the log has not $Clicks lines: $Log"
printf '%s\n' "$Log" | grep -qv -E '^(\+|-) Question [0-9]+   right$' && Fail "a log line is malformed: $Log"
echo "$Clicks answers, $Clicks log lines"
