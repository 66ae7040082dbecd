# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Regenbogen authors
# A private X server with a window manager, for tests that drive the real
# programs the way a user meets them: with window frames, stacking,
# activation, minimising and a connection that can break. Source this file,
# then call xs_start.
#
#   xs_start 1024x768        Xvfb -noreset on a free display, openbox on it;
#                            exports DISPLAY; cleans up at exit
#   xs_launch VAR prog ...   starts a program with its widget map, pid in VAR
#   xs_open SIZE TITLE prog  both, and waits for the program's window: the
#                            start of most tests
#   xs_wait SECONDS cmd ...  polls until cmd succeeds; fails after SECONDS
#
# Everything waits on conditions, never on fixed sleeps: under a loaded
# machine a window may take a second to map, and a fixed sleep either
# wastes time or fails at random.

XS_TMP=$(mktemp -d "${TMPDIR:-/tmp}/regenbogen-x11.XXXXXX")
chmod 700 "$XS_TMP"
XS_PIDS=()

xs_fail() { echo "FAIL: $*" >&2; exit 1; }

xs_wait() {
  local limit=$1; shift
  local deadline=$(( $(date +%s%N) + limit * 1000000000 ))
  until "$@" >/dev/null 2>&1; do
    [ "$(date +%s%N)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

xs_stop() {
  local pid
  for pid in "${XS_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${XS_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$XS_TMP"
}

xs_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

xs_start() {
  local size=$1
  command -v Xvfb >/dev/null && command -v openbox >/dev/null && command -v xdotool >/dev/null &&
    command -v wmctrl >/dev/null ||
    xs_fail "Xvfb, openbox, xdotool and wmctrl are needed (scripts/install-deps installs them)"
  trap xs_stop EXIT
  # -displayfd lets the server pick a free display, so parallel tests never
  # race for a number.
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${size}x24" 3>"$XS_TMP/display" \
    >"$XS_TMP/xvfb.log" 2>&1 &
  XS_XVFB_PID=$!
  XS_PIDS+=("$XS_XVFB_PID")
  xs_wait 20 test -s "$XS_TMP/display" || xs_fail "Xvfb did not start: $(cat "$XS_TMP/xvfb.log")"
  export DISPLAY=":$(head -n1 "$XS_TMP/display")"
  openbox --sm-disable >"$XS_TMP/openbox.log" 2>&1 &
  XS_WM_PID=$!
  XS_PIDS+=("$XS_WM_PID")
  xs_wait 20 xs_wm_ready || xs_fail "openbox did not come up"
  export XDG_RUNTIME_DIR="$XS_TMP"
  unset QT_QPA_PLATFORM
  export QT_QPA_PLATFORM=xcb
}

# Kills the X server under the running programs, as a crash of the display
# or a lost remote connection does.
xs_kill_server() {
  kill -9 "$XS_XVFB_PID" 2>/dev/null || true
  { wait "$XS_XVFB_PID"; } 2>/dev/null || true
}

# xs_launch VAR program args...: starts a program on the display; its pid
# lands in VAR, its output in $XS_TMP/VAR.log. A small wrapper keeps the exit
# status (128 + signal when a signal ended it) in a file, so that
# xs_exit_status can tell it even from a command substitution, which runs in
# a subshell that could not wait for the program itself.
xs_launch() {
  local var=$1; shift
  # The wrapper inherits the caller's errexit: a failing program would end it
  # before the status is written, unless the status is caught with ||.
  ( status=0
    REGENBOGEN_WIDGET_MAP="$XS_TMP/$var.widgets" "$@" >"$XS_TMP/$var.log" 2>&1 || status=$?
    echo "$status" >"$XS_TMP/$BASHPID.status.tmp" && mv "$XS_TMP/$BASHPID.status.tmp" "$XS_TMP/$BASHPID.status" ) &
  printf -v "$var" '%s' "$!"
  XS_PIDS+=("$!")
}

# xs_open SIZE TITLE_REGEX PROGRAM [ARGS...]: a session of that size with
# one program in it. Starts the server and the window manager, launches the
# program under the name app (its pid in $app, its widget map and output
# beside) and waits until its window is on screen: $win.
xs_open() {
  local size=$1 title=$2
  shift 2
  xs_start "$size"
  xs_launch app "$@"
  xs_wait 20 xs_has_window "$title" ||
    xs_fail "the window '$title' did not appear: $(cat "$XS_TMP/app.log" 2>/dev/null)"
  win=$(xs_window "$title")
}

# xs_exit_status PID SECONDS: waits for a launched program to end; prints its
# status, or "running" when it did not end in time.
xs_exit_status() {
  local pid=$1 limit=$2
  if xs_wait "$limit" test -s "$XS_TMP/$pid.status"; then
    cat "$XS_TMP/$pid.status"
  else
    echo running
  fi
}
xs_gone() { ! kill -0 "$1" 2>/dev/null || [ -e "$XS_TMP/$1.status" ]; }

# Windows, found by their title (a regular expression). Minimised windows are
# unmapped, so xs_window_any also finds those.
xs_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
xs_window_any() { xdotool search --name "$1" 2>/dev/null | head -n1; }
xs_has_window() { [ -n "$(xs_window "$1")" ]; }

xs_minimised() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_HIDDEN; }
xs_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# True when the window is the top of the window manager's stacking order.
xs_on_top() {
  local top
  top=$(xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | awk '{print $NF}')
  [ -n "$top" ] && [ $((top)) -eq "$1" ]
}
xs_restored_on_top() { ! xs_minimised "$1" && xs_active "$1" && xs_on_top "$1"; }

# The outer frame of a window as the window manager drew it: x y w h. The
# client's position comes from xwininfo: xdotool adds the frame's offset a
# second time for a window that the window manager has reparented.
xs_frame() {
  local frame l r t b x y w h
  frame=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ',')
  read -r l r t b <<<"${frame:-0 0 0 0}"
  read -r x y w h < <(xwininfo -id "$1" 2>/dev/null | awk -F: '
      /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
      /^ *Width/ { w = $2 } /^ *Height/ { h = $2 } END { print x + 0, y + 0, w + 0, h + 0 }')
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# xs_widget VAR TITLE_REGEX TEXT [N]: centre of the N-th (from 1, left to right
# then top to bottom) visible widget with exactly that text in a window whose
# title matches, as "x y". TEXT "@Class" picks widgets by class instead
# (scroll bars have no text).
xs_widget() {
  local var=$1 title=$2 text=$3 n=${4:-1}
  awk -F'\t' -v t="$title" -v s="$text" '$1 ~ t && $4 == 1 && (s ~ /^@/ ? $2 == substr(s, 2) : $3 == s) { split($5, r, " ");
      print r[1] + int(r[3] / 2), r[2] + int(r[4] / 2), r[1], r[2] }' "$XS_TMP/$var.widgets" 2>/dev/null |
    sort -k3,3n -k4,4n | sed -n "${n}p" | cut -d' ' -f1,2
}

# xs_click X Y [BUTTON]: a real pointer click at a screen position.
xs_click() { xdotool mousemove --sync "$1" "$2" click "${3:-1}"; }
# Closes a window the way its close button does: the window manager is asked
# (_NET_CLOSE_WINDOW) and sends the program WM_DELETE_WINDOW.
xs_wm_close() { wmctrl -i -c "$1"; }
# xs_close_ends_cleanly WINDOW PID WHAT: the window manager's close of the
# window ends the program within 10 s with status 0.
xs_close_ends_cleanly() {
  local status
  xs_wm_close "$1"
  status=$(xs_exit_status "$2" 10)
  [ "$status" = 0 ] || xs_fail "$3 ended with '$status' after a window-manager close"
}
# The same through the keyboard: Alt+F4 to the active window, which the
# window manager turns into the same request.
xs_alt_f4() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  xs_wait 10 xs_active "$1" || return 1
  xdotool key --clearmodifiers alt+F4
}

# xs_click_widget VAR TITLE_REGEX TEXT [N]: waits for the widget to be in the
# map (see xs_widget), then clicks its centre.
xs_click_widget() {
  xs_wait 10 xs_has_widget "$@" || xs_fail "no visible '$3' in a window '$2'"
  xs_click $(xs_widget "$@")
}
xs_has_widget() { [ -n "$(xs_widget "$@")" ]; }
# xs_locate VAR TITLE_REGEX TEXT [N]: waits for the widget to be in the map
# (see xs_widget), then sets x and y to its centre.
xs_locate() {
  xs_wait 10 xs_has_widget "$@" || xs_fail "no visible '$3' in a window '$2'"
  read -r x y <<<"$(xs_widget "$@")"
}

# Minimises a window the way its title-bar button does.
xs_minimise() { xdotool windowminimize --sync "$1"; }

# xs_controls_off VAR W H: the visible controls (buttons, option buttons,
# scroll bars, text boxes) that do not lie fully on a W x H screen and inside
# their own window, one line each; nothing when all can be reached.
xs_controls_off() {
  awk -F'\t' -v W="$2" -v H="$3" '
    $4 != 1 { next }
    $2 ~ /::([Ff]orm[0-9]+)$/ { split($5, r, " "); wx[$1] = r[1]; wy[$1] = r[2]; wr[$1] = r[1] + r[3]; wb[$1] = r[2] + r[4]; next }
    $2 ~ /^Q(PushButton|RadioButton|ScrollBar|LineEdit)$/ {
      split($5, r, " ")
      if (r[1] < 0 || r[2] < 0 || r[1] + r[3] > W || r[2] + r[4] > H ||
          ($1 in wx && (r[1] < wx[$1] || r[2] < wy[$1] || r[1] + r[3] > wr[$1] || r[2] + r[4] > wb[$1])))
        print substr($1, 1, 30) ": " $2 " \"" $3 "\" at " $5
    }' "$XS_TMP/$1.widgets"
}

# The processor time a launched program has used, in clock ticks (user +
# system), with that of its wrapper shell: PID is the wrapper's.
xs_cpu_ticks() {
  local p ticks=0 t
  for p in "$1" $(cat /proc/"$1"/task/*/children 2>/dev/null); do
    t=$(awk '{ print $14 + $15 }' "/proc/$p/stat" 2>/dev/null) && ticks=$((ticks + t))
  done
  echo "$ticks"
}
# xs_busy PID TICKS SINCE: true once the program has used TICKS more clock
# ticks than SINCE. An idle program uses none, so this tells that a run it
# was asked for is under way.
xs_busy() { [ "$(xs_cpu_ticks "$1")" -ge $(($3 + $2)) ]; }

# xs_exit_ms VAR PID SECONDS: waits for the program to end, polling every
# 10 ms; VAR gets "STATUS MS", the milliseconds from the call to the end, or
# "running" when it did not end in time.
xs_exit_ms() {
  local var=$1 pid=$2 limit=$3 t0 now
  t0=$(date +%s%N)
  while [ ! -s "$XS_TMP/$pid.status" ]; do
    now=$(date +%s%N)
    if [ $((now - t0)) -ge $((limit * 1000000000)) ]; then printf -v "$var" running; return; fi
    sleep 0.01
  done
  now=$(date +%s%N)
  printf -v "$var" '%s %s' "$(cat "$XS_TMP/$pid.status")" $(((now - t0) / 1000000))
}

# xs_widget_steady VAR TITLE_REGEX TEXT [N]: true when the widget is on the
# screen and has stayed put for 300 ms. A window the window manager has just
# placed, framed or laid out again may still move, and for a moment the map
# shows where it was: a click there would miss.
xs_widget_steady() {
  local before
  before=$(xs_widget "$@")
  [ -n "$before" ] || return 1
  sleep 0.3
  [ "$(xs_widget "$@")" = "$before" ]
}
# xs_click_steady VAR TITLE_REGEX TEXT [N]: clicks the widget once it is steady.
xs_click_steady() {
  xs_wait 10 xs_widget_steady "$@" || xs_fail "no steady '$3' in a window '$2'"
  xs_click $(xs_widget "$@")
}
