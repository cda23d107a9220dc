# Starts a virtual X server on a free display when none is set, and stops it (only it, by its
# process id) when the calling script ends. Source this file, then call ensure_display.

xvfb_pid=""

stop_xvfb() {
  if [[ -n "$xvfb_pid" ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  fi
}

ensure_display() {
  if [[ -n "${DISPLAY:-}" ]]; then
    return 0
  fi
  local number
  for number in $(seq 90 199); do
    if [[ -e "/tmp/.X${number}-lock" || -e "/tmp/.X11-unix/X${number}" ]]; then
      continue
    fi
    Xvfb ":${number}" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    local waited=0
    while [[ ! -e "/tmp/.X11-unix/X${number}" ]]; do
      if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        xvfb_pid=""
        break
      fi
      sleep 0.1
      waited=$((waited + 1))
      if ((waited > 100)); then
        stop_xvfb
        break
      fi
    done
    if [[ -n "$xvfb_pid" ]]; then
      export DISPLAY=":${number}"
      trap stop_xvfb EXIT
      return 0
    fi
  done
  echo "no display could be started" >&2
  return 1
}
