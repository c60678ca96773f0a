#!/bin/bash
# Every text a person reads has its English translation: lupdate, run on a
# copy of translations/kaldoro_en.ts, must find no new, unfinished or
# vanished message. Usage: translations_complete.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source/translations/kaldoro_en.ts" "$work/kaldoro_en.ts"
(cd "$source" && "$lupdate" -silent -I . -no-obsolete -locations none app chart -ts "$work/kaldoro_en.ts")
if grep -n -B3 -E 'type="(unfinished|vanished|obsolete)"' "$work/kaldoro_en.ts"; then
    echo "translations/kaldoro_en.ts: the messages above have no finished English translation" >&2
    exit 1
fi
if ! diff -q "$source/translations/kaldoro_en.ts" "$work/kaldoro_en.ts" >/dev/null; then
    diff "$source/translations/kaldoro_en.ts" "$work/kaldoro_en.ts" | head -40 >&2
    echo "translations/kaldoro_en.ts is not up to date: run lupdate and translate" >&2
    exit 1
fi
echo "every message of translations/kaldoro_en.ts is translated"
