#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Regenbogen authors
# The real-X fixture itself: a program comes up under the window manager,
# its widget map places its controls on the screen, a real click reaches
# them, and a window-manager close ends it with status 0.
set -euo pipefail
source "$(dirname "$0")/xsession.bash"
streu=$1

xs_open 1024x768 '^Richtung' "$streu"
xs_locate app '^Richtung' '@QScrollBar'
# A click into the trough right of the thumb is a real page step.
xs_click $((x + 100)) "$y"
xs_wait 10 grep -q $'QLineEdit\t2\t' "$XS_TMP/app.widgets" || xs_fail "a click on the bar did not reach streu"
xs_wait 10 xs_active "$win" || xs_fail "streu's window is not active"
xs_close_ends_cleanly "$win" "$app" streu
echo "fixture: ok"
