# Sourced by the tests that run the program without any display. The test's
# first argument is the program; $out is a private folder removed at exit,
# run starts the program with no display within reach, fail ends the test.
kaldoro=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# The settings (remembered import columns) of the test alone, not the user's.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$out/config" "$kaldoro" "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
