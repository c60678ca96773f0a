#!/bin/bash
# Kaldoro in English (--lang en): --help, the window, the help window, the
# file dialog and the import dialog speak English; no German word is left in
# their titles, in --help, in what a run without a window says about broken
# files, or in the file pane after a load and an import. Arguments: program,
# samples folder, an export.
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

# No German word in what is said (the test's folder cut out), and the English phrase given.
english() { no_german "$1" "${2//$work\//}"; grep -q "$3" <<<"$2" || fail "no '$3' in $1: $2"; }
headless() { env -u DISPLAY -u QT_QPA_PLATFORM "$kaldoro" --lang en "$@" 2>&1 >/dev/null; }
# A year file with a kind number out of range, a missing one and a broken archive.
printf 'Datum;Zeit;Dauer;Strecke\n-;-;[h];[km]\nKind;0;1;2;99\n20110106;18:00;00:41:00;16.0;\n' >"$work/broken.csv"
printf 'PK\003\004broken' >"$work/broken.zip"
english "stderr of a broken load" "$(headless --export-png "$work/x.png" "$work/broken.csv" "$work/missing.csv")" "kind line"
english "stderr of a broken import" "$(headless --import "$export_file" --import "$work/broken.zip" --list-sports)" "rest not read"

# The file pane's text, as Ctrl+A and Ctrl+C in the pane copy it.
pane_text() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --window "$window" $((WIDTH / 2)) $((HEIGHT - 40)) click 1 sleep 0.5 key ctrl+a ctrl+c sleep 0.5
  timeout 10 xclip -selection clipboard -o
}

await_window() {
  timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}
start_window --lang en "$work/broken.csv" "$work/missing.csv" "$samples"/*.csv
sleep 1
english "the file pane after a load" "$(pane_text)" "kind line"
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
# Accepted as it opens: the export's years replace the year files.
xdotool key Return
sleep 2
english "the file pane after an import" "$(pane_text)" "workouts)"
echo "all checks passed"
