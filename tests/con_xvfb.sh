#!/usr/bin/env bash
# Runs a command inside its own Xvfb. The server picks a free display itself
# (-displayfd), which also sees displays held by servers in other folders or
# chroots; xvfb-run -a only looks at lock files in its own /tmp.
#   tests/con_xvfb.sh COMMAND [ARGUMENT...]
set -euo pipefail
lavoro=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$lavoro/display" 2>"$lavoro/xvfb.log" &
xvfb=$!
fine() {
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -rf "$lavoro"
}
trap fine EXIT
for _ in $(seq 200); do
  [ -s "$lavoro/display" ] && break
  if ! kill -0 "$xvfb" 2>/dev/null; then
    echo "Xvfb non è partito:"
    cat "$lavoro/xvfb.log"
    exit 1
  fi
  sleep 0.05
done
if [ ! -s "$lavoro/display" ]; then
  echo "Xvfb non ha indicato un display in 10 s"
  exit 1
fi
DISPLAY=:$(head -1 "$lavoro/display") "$@"
