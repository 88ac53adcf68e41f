# Shared by the terminal tests: plays the game in a tmux pane of its own, on a copy of the shipped
# data, with its progress and history kept in a folder of the test's. Sourced, after setting
# `game` and `source`.
command -v tmux >/dev/null || { echo "tmux is not installed"; exit 77; }

work=$(mktemp -d)
socket=quillmore-test-$$
trap 'tmux -L "$socket" kill-server 2>/dev/null; rm -rf "$work"' EXIT
mkdir "$work/data"
cp "$source"/data/*.txt "$work/data"/
walkthrough=$source/tests/scenarios/walkthrough-wins-with-all-five-pub-drinks
export XDG_STATE_HOME=$work/state

tmux_() { tmux -L "$socket" "$@"; }

# play WIDTH [ARGUMENT...]: starts the game in a new pane WIDTH columns wide and, unless it
# continues a game, waits for the opening. $before_game, if set, runs first in the pane's shell;
# $game_input, if set, is a file the game reads instead of the terminal, and $game_errors one
# its standard error goes to. When it ends, its
# exit status is in $work/status and the terminal's settings before and after in $work/before and
# $work/after. Ctrl-C reaches the game alone.
play() {
  local width=$1
  shift
  rm -f "$work/status" "$work/before" "$work/after"
  {
    echo 'trap : INT'
    echo "stty -g >'$work/before'"
    echo "${before_game:-}"
    printf '%q ' "$game" "$@"
    [ -n "${game_input:-}" ] && printf '<%q' "$game_input"
    [ -n "${game_errors:-}" ] && printf ' 2>%q' "$game_errors"
    echo
    echo "echo \$? >'$work/status'"
    echo "stty -g >'$work/after'"
    echo 'sleep 600'
  } >"$work/run"
  if tmux_ has-session 2>/dev/null; then
    kill_pane
    tmux_ kill-server 2>/dev/null
    wait_until no_session
  fi
  tmux_ -f /dev/null new-session -d -x "$width" -y 40 -c "$work/data" \
    "XDG_STATE_HOME='$XDG_STATE_HOME' bash '$work/run'"
  tmux_ set-option -g history-limit 100000
  case " $* " in
    *" --continue "* | *" --continue="* | *" -c "*) ;;  # a continued game shows no opening
    *) wait_for "Type in 'Commands'" ;;
  esac
}

# Everything the pane has shown, its history included, one row a line.
screen() { tmux_ capture-pane -p -t 0 -S - -E -; }
type_line() { tmux_ send-keys -t 0 -l "$1" && tmux_ send-keys -t 0 Enter; }

# The tests wait for what they expect, never for a fixed time, so that a busy machine only makes
# them slower: each wait polls until what it waits for is there, for up to `deadline` seconds.
deadline=60

# wait_until COMMAND...: polls until the command succeeds; false when the deadline passed first.
wait_until() {
  local until=$((SECONDS + deadline))
  until "$@"; do
    [ "$SECONDS" -lt "$until" ] || return 1
    sleep 0.1
  done
}

on_screen() { screen | grep -qF -- "$1"; }
no_session() { ! tmux_ has-session 2>/dev/null; }
file_written() { [ -s "$work/$1" ]; }

# wait_for TEXT: waits for the text on screen; "file NAME" waits for $work/NAME.
wait_for() {
  if [ "$1" = file ]; then
    wait_until file_written "$2" && return 0
  else
    wait_until on_screen "$1" && return 0
  fi
  echo "Timed out waiting for $*"
  screen | tail -n 20
  exit 1
}

# The last row the pane shows that is not empty.
last_row() { tmux_ capture-pane -p -t 0 | sed '/^$/d' | tail -n 1; }
row_reads() { [ "$(last_row)" = "$1" ]; }
# expect_row TEXT: waits for the last row to read TEXT, and says so when it never does.
expect_row() {
  wait_until row_reads "$1" || fail "expected the row '$1', got '$(last_row)'"
}

# Kills the pane and waits for the game in it to end, so that it holds its game no longer.
kill_pane() {
  local shell game_pid
  shell=$(tmux_ display -p -t 0 '#{pane_pid}' 2>/dev/null) || return 0
  game_pid=$(ps -o pid= --ppid "$shell" | head -n 1)
  tmux_ kill-pane -t 0
  ended() { ! kill -0 "$game_pid" 2>/dev/null; }
  [ -z "$game_pid" ] || wait_until ended
}

# Pastes lines in one go, as a player fast at the keyboard would type them.
paste_lines() {
  printf '%s\n' "$@" >"$work/typed"
  tmux_ load-buffer "$work/typed"
  tmux_ paste-buffer -t 0
}

failed=0
fail() { echo "$*"; failed=1; }
