#!/bin/sh
# Runs a test program on a virtual X display of its own, with Qt's X11 platform.
# Without xvfb-run there is no display to test on: the test is skipped (77).
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "xvfb-run is not installed: skipped"
  exit 77
fi
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" env QT_QPA_PLATFORM=xcb "$@"
