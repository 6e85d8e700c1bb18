#!/usr/bin/env bash
# A private X display for the windows that a build's programs create.
# Usage: xvfb.sh start BUILD_DIR   starts one unless the build's display is still up; prints it
#        xvfb.sh stop BUILD_DIR    ends the one this script started
set -euo pipefail
cmd=$1; mkdir -p "$2"; dir=$(cd "$2" && pwd)

running() {  # the display recorded for this build answers
  [ -f "$dir/.display" ] && [ -f "$dir/.xvfb.pid" ] && kill -0 "$(cat "$dir/.xvfb.pid")" 2>/dev/null
}

case "$cmd" in
  start)
    if running; then cat "$dir/.display"; exit 0; fi
    for n in $(seq 90 130); do
      if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
        echo $! > "$dir/.xvfb.pid"
        for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
        echo ":$n" > "$dir/.display"
        echo ":$n"
        exit 0
      fi
    done
    echo "no free X display number" >&2; exit 1 ;;
  stop)
    if [ -f "$dir/.xvfb.pid" ]; then kill "$(cat "$dir/.xvfb.pid")" 2>/dev/null || true; rm -f "$dir/.xvfb.pid"; fi ;;
esac
