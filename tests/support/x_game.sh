# Shell helpers for driving the real game on an X display; sourced by the test scripts.
# They set $game (the process) and $window (its X window), and $code after await_exit.

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# Waits up to five seconds for the game's window; sets $window, or fails.
await_window() {
  window=""
  for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Zwickelspiel' 2>/dev/null | head -n1) || true
    [ -n "$window" ] && return 0
    sleep 0.025
  done
  fail "no window appeared ($(cat stderr.txt 2>/dev/null))"
}

# Starts BINARY (after an optional command prefix) with its output in stdout.txt and
# stderr.txt of the current folder, and waits for its window.
start_game() {  # [prefix...] BINARY
  "$@" >stdout.txt 2>stderr.txt &
  game=$!
  await_window
}

press() { xdotool key --window "$window" "$@" 2>/dev/null || true; }

await_exit() { code=0; { wait "$game"; } 2>/dev/null || code=$?; }
