# Sourced by the tests that drive the real window in an X server. The test's
# first argument is the program. $work is the test's private folder, removed
# at exit unless KEEP is set (KEEP=1 keeps a fresh folder, KEEP=DIR uses and
# keeps DIR; the folder is named at exit). start_window starts the program
# with the given arguments in the background ($pid) and waits for its window
# ($window); the program, and every process passed to stop_at_exit, is ended
# at exit. fail ends the test.
kaldoro=$1
if [ -n "${KEEP:-}" ] && [ -d "$KEEP" ]; then work=$KEEP; else work=$(mktemp -d); fi
# ctest gives each test settings of its own; a test run by hand keeps out of the user's.
export XDG_CONFIG_HOME=${XDG_CONFIG_HOME:-$work/config}
pids_to_stop=()
stop_at_exit() { pids_to_stop+=("$@"); }
clean_up() {
  [ ${#pids_to_stop[@]} -eq 0 ] || kill "${pids_to_stop[@]}" 2>/dev/null || true
  if [ -n "${KEEP:-}" ]; then echo "kept $work" >&2; else rm -rf "$work"; fi
}
trap clean_up EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
start_window() {
  "$kaldoro" "$@" &
  pid=$!
  stop_at_exit $pid
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Kaldoro' | head -n 1) || true
  [ -n "$window" ] || fail "no Kaldoro window within 60 s"
}
