#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Regenbogen authors
# A program that is the first client of a fresh X server, as under xvfb-run:
# the server resets whenever its last client leaves, so the program's look
# for a display must not leave it before the toolkit has connected.
set -euo pipefail
source "$(dirname "$0")/xsession.bash"
program=$1 title=$2

trap xs_stop EXIT
Xvfb -displayfd 3 -nolisten tcp -screen 0 1366x768x24 3>"$XS_TMP/display" >"$XS_TMP/xvfb.log" 2>&1 &
XS_PIDS+=("$!")
xs_wait 20 test -s "$XS_TMP/display" || xs_fail "Xvfb did not start: $(cat "$XS_TMP/xvfb.log")"
export DISPLAY=":$(head -n1 "$XS_TMP/display")" XDG_RUNTIME_DIR="$XS_TMP" QT_QPA_PLATFORM=xcb

# Watched through its widget map, not through the server: another client
# that came and left first would itself make the server reset.
xs_launch app "$program"
shown() { awk -F'\t' -v t="$title" '$1 ~ t && $4 == 1 { found = 1 } END { exit !found }' "$XS_TMP/app.widgets"; }
shown_or_gone() { shown || xs_gone "$app"; }
xs_wait 30 shown_or_gone || xs_fail "no window and no exit after 30 s"
shown || xs_fail "$program ended with status $(xs_exit_status "$app" 1): $(cat "$XS_TMP/app.log")"
xs_has_window "$title" || xs_fail "the server does not show the window"
echo "first client: ok"
