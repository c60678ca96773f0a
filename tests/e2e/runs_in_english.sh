#!/bin/bash
# Kaldoro in English (--lang en): --help, the window, the help window, the
# file dialog and the import dialog speak English; no German word is left in
# their titles or in --help. Arguments: program, samples folder, an export.
set -euo pipefail
source "$(dirname "$0")/window_helpers.sh"
samples=$2
export_file=$3
german='[äöüÄÖÜß]|\b(und|oder|nicht|keine?|Jahre?|Dateien?|laden|Ziel|Werte|Diagramm|Hilfe|Strg|Öffnen)\b'
no_german() { if grep -P -n "$german" <<<"$2"; then fail "German words in $1"; fi; }

help=$("$kaldoro" --lang en --help)
# "Ziel" and "Prognose" name the lines --compare-at prints, which stay the same in every language.
no_german "--help" "${help//\"Ziel\"/}"
grep -q "Running total" <<<"$help" || fail "--help --lang en names no running total"

await_window() {
  timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}
start_window --lang en "$samples"/*.csv
sleep 1
# A click on the chart gives the window the keyboard.
xdotool mousemove --window "$window" 400 300 click 1
sleep 0.5
xdotool key F1
help_window=$(await_window 'Help$') || fail "no help window"
no_german "the help window's title" "$(xdotool getwindowname "$help_window")"
xdotool mousemove --window "$help_window" 100 100 click 1
sleep 0.5
xdotool key Escape
sleep 1

# The import button: left 640, top 8, 161 x 30 in the window.
xdotool mousemove --window "$window" 720 23 click 1
open=$(await_window '^Open$') || fail "no English file dialog after the import button"
sleep 1
xdotool type --delay 10 "$export_file"
xdotool key Return
dialog=$(await_window '^Import export$') || fail "no English import dialog"
no_german "the window titles" "$(xdotool getwindowname "$window"; xdotool getwindowname "$dialog")"
xdotool key Escape
echo "all checks passed"
