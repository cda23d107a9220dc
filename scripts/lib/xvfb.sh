# Gives the calling script an X display: the one in DISPLAY when a server answers there, or else
# a virtual one that it starts and stops again (only it, by its process id) when the calling
# script ends. Source this file, then call ensure_display.

xvfb_pid=""

stop_xvfb() {
  if [[ -n "$xvfb_pid" ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  fi
}

display_answers() {
  xdpyinfo -display "$1" >/dev/null 2>&1
}

ensure_display() {
  if [[ -n "${DISPLAY:-}" ]]; then
    if display_answers "$DISPLAY"; then
      return 0
    fi
    echo "No X server answers on DISPLAY=$DISPLAY: starting a virtual one." >&2
  fi
  # Xvfb picks a free display number itself and writes it down once it takes connections, so
  # neither a stale lock nor another server's socket can be mistaken for ours.
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$number_file" \
    >/dev/null 2>&1 &
  xvfb_pid=$!
  local deadline=$((SECONDS + 30))
  while [[ ! -s "$number_file" ]] && kill -0 "$xvfb_pid" 2>/dev/null && ((SECONDS < deadline)); do
    sleep 0.05
  done
  local number
  number=$(tr -dc 0-9 <"$number_file")
  rm -f "$number_file"
  if [[ -z "$number" ]] || ! display_answers ":$number"; then
    stop_xvfb
    echo "No virtual display could be started." >&2
    return 1
  fi
  export DISPLAY=":$number"
  trap stop_xvfb EXIT
}
