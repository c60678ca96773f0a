#!/bin/bash
# Installs the built program into a temporary prefix as a user would and
# checks what a desktop needs to list and start it: the program in bin/, a
# valid menu entry whose Exec and Icon name installed files, and a program
# that answers --help and --version on stdout without a display.
set -euo pipefail
cmake=$1
build=$2
validate=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() { echo "$*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" > /dev/null
find "$prefix" -type f | sed "s|^$prefix/||" | sort

[ -x "$prefix/bin/kaldoro" ] || fail "bin/kaldoro missing or not executable"

entry="$prefix/share/applications/kaldoro.desktop"
[ -f "$entry" ] || fail "share/applications/kaldoro.desktop missing"
command -v "$validate" > /dev/null || fail "desktop-file-validate is not installed (desktop-file-utils)"
"$validate" "$entry" || fail "the menu entry is not valid"

key() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
program=$(key Exec | cut -d ' ' -f 1)
[ -x "$prefix/bin/$program" ] || fail "Exec names '$program', which is not installed in bin/"
icon=$(key Icon)
shopt -s nullglob
icons=("$prefix"/share/icons/hicolor/*/apps/"$icon".svg "$prefix"/share/icons/hicolor/*/apps/"$icon".png)
[ ${#icons[@]} -gt 0 ] || fail "no icon '$icon' under share/icons/hicolor"
for file in "${icons[@]}"; do
  case $file in
    *.svg) grep -q '<svg' "$file" && grep -q '</svg>' "$file" || fail "$file is no SVG picture" ;;
    *.png) [ "$(head -c 4 "$file" | tail -c 3)" = PNG ] || fail "$file is no PNG picture" ;;
  esac
done

# Asked from a terminal without a display: the answer comes on stdout, exit 0.
for option in --version --help; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/kaldoro" $option 2> "$prefix/err") \
    || fail "kaldoro $option failed: $(cat "$prefix/err")"
  [ -s "$prefix/err" ] && fail "kaldoro $option wrote to stderr: $(cat "$prefix/err")"
  echo "$out" | head -n 3
  [[ "$out" == kaldoro\ [0-9]* ]] || fail "kaldoro $option does not start with the name and version"
done
help=$("$prefix/bin/kaldoro" --help)
for word in --version --mode --export-png FILE; do
  [[ "$help" == *"$word"* ]] || fail "--help does not mention $word"
done
echo "ok"
