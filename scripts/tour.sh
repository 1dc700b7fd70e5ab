#!/bin/sh
# Opens the result screens under a virtual display and writes a numbered picture of each into a
# folder, so anyone can look at the screens the geometry checks cover. The display is the
# 1280 x 800 screen every dialog must fit, times the scale.
#   scripts/tour.sh [folder] [scale] [window-manager]
# Defaults: /tmp/varnok3-tour, scale 1, openbox (when installed); "none" runs without a window
# manager, where windows have no frames and stack as the program opens them.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-/tmp/varnok3-tour}
scale=${2:-1}
wm=${3:-openbox}
binary="$here/build/tests/app/app_screen_geometry_test"
[ -x "$binary" ] || cmake --build "$here/build" --target app_screen_geometry_test -j2
mkdir -p "$out"
rm -f "$out"/*.png
start_wm=":"
if [ "$wm" != none ]; then
  if command -v "$wm" >/dev/null; then start_wm="$wm >/dev/null 2>&1 &"
  else echo "tour: $wm is not installed; running without a window manager"; fi
fi
xvfb-run -a -s "-screen 0 $((1280 * scale))x$((800 * scale))x24" sh -c "
  $start_wm
  sleep 1
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale VARNOK_TOUR_DIR='$out' '$binary'
" || echo "tour: some geometry checks failed on this display (see above)"
ls "$out"/*.png
