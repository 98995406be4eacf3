#!/bin/sh
# Runs a command on the current X display under the window manager given first, once the window
# manager has taken over the display; stops the window manager afterwards.
#   with_window_manager.sh /usr/bin/openbox gui_tests --gtest_filter=...
wm="$1"
shift
"$wm" >/dev/null 2>&1 &
wm_pid=$!
i=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  i=$((i + 1))
  if [ "$i" -gt 200 ]; then
    echo "window manager $wm did not start" >&2
    kill "$wm_pid" 2>/dev/null
    exit 1
  fi
  sleep 0.05
done
"$@"
rc=$?
kill "$wm_pid" 2>/dev/null
wait "$wm_pid" 2>/dev/null
exit "$rc"
