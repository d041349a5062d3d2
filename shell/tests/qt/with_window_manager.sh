#!/usr/bin/env bash
# with_window_manager.sh PROGRAM [ARGS...]: runs PROGRAM on an X display of
# its own (Xvfb, a free display number) under a real window manager
# (openbox), with KAVRIN_WINDOW_MANAGER=openbox and QT_QPA_PLATFORM=xcb; both
# servers are started here and ended here. When Xvfb cannot start, PROGRAM
# runs as it is and its window-manager tests skip, saying why.
set -u
tmp="$(mktemp -d)"
xvfb=""
wm=""
stop_servers() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  wm=""
  xvfb=""
}
trap 'stop_servers; rm -rf "$tmp"' EXIT

run_without() {
  echo "with_window_manager: $1; the window-manager tests skip"
  "${@:2}"
  exit $?
}

command -v Xvfb >/dev/null 2>&1 || run_without "no Xvfb (scripts/setup.sh installs it)" "$@"
command -v openbox >/dev/null 2>&1 || run_without "no openbox (scripts/setup.sh installs it)" "$@"

# Servers of other test programs start at the same time: a display that
# another one takes first is given up and the next one tried.
why=""
for attempt in 1 2 3 4 5; do
  rm -f "$tmp/display"
  Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$tmp/display" ]; then
    why="Xvfb did not start ($(tail -n 3 "$tmp/xvfb.log" | tr '\n' ' '))"
    stop_servers
    continue
  fi
  export DISPLAY=":$(tr -d '[:space:]' <"$tmp/display")"
  # openbox with its default settings, none of a user's.
  HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
  wm=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    kill -0 "$wm" 2>/dev/null || break
    sleep 0.1
  done
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
    why=""
    break
  fi
  why="openbox did not start on $DISPLAY: $(tail -n 3 "$tmp/openbox.log" | tr '\n' ' ')"
  stop_servers
  sleep 0.$((RANDOM % 9 + 1))
done
if [ -n "$why" ]; then
  case "$why" in
    Xvfb*) run_without "$why" "$@" ;;
    *) echo "with_window_manager: $why"; exit 1 ;;
  esac
fi
KAVRIN_WINDOW_MANAGER=openbox QT_QPA_PLATFORM=xcb "$@"
rc=$?
exit $rc
