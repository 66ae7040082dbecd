#!/usr/bin/env bash
# The real-X fixture itself: a program comes up under the window manager,
# its widget map places its controls on the screen, a real click reaches
# them, and a window-manager close ends it with status 0.
set -euo pipefail
source "$(dirname "$0")/xsession.bash"
streu=$1

xs_start 1024x768
xs_launch app "$streu"
xs_wait 20 xs_has_window '^Richtung' || xs_fail "streu's window did not appear"
win=$(xs_window '^Richtung')
bar_on_screen() { test -n "$(xs_widget app '^Richtung' '@QScrollBar')"; }
xs_wait 10 bar_on_screen || xs_fail "the widget map does not show the scroll bar"
read -r x y <<<"$(xs_widget app '^Richtung' '@QScrollBar')"
# A click into the trough right of the thumb is a real page step.
xs_click $((x + 100)) "$y"
xs_wait 10 grep -q $'QLineEdit\t2\t' "$XS_TMP/app.widgets" || xs_fail "a click on the bar did not reach streu"
xs_wait 10 xs_active "$win" || xs_fail "streu's window is not active"
xs_wm_close "$win"
status=$(xs_exit_status "$app" 10)
[ "$status" = 0 ] || xs_fail "streu ended with '$status' after a window-manager close"
echo "fixture: ok"
