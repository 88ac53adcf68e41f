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
    tmux_ kill-server
    sleep 0.2
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

# wait_for TEXT: waits up to 30 s for the text on screen; "file NAME" waits for $work/NAME.
wait_for() {
  for _ in $(seq 300); do
    if [ "$1" = file ]; then
      [ -s "$work/$2" ] && return 0
    elif screen | grep -qF -- "$1"; then
      return 0
    fi
    sleep 0.1
  done
  echo "Timed out waiting for $*"
  screen | tail -n 20
  exit 1
}

# Pastes lines in one go, as a player fast at the keyboard would type them.
paste_lines() {
  printf '%s\n' "$@" >"$work/typed"
  tmux_ load-buffer "$work/typed"
  tmux_ paste-buffer -t 0
}

failed=0
fail() { echo "$*"; failed=1; }
