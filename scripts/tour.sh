#!/bin/sh
# Opens the result screens under a virtual display with a window manager and writes a numbered
# picture of each into a folder, so anyone can look at the screens the geometry checks cover.
#   scripts/tour.sh [folder] [scale]     (default: /tmp/varnok3-tour, scale 1)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-/tmp/varnok3-tour}
scale=${2:-1}
binary="$here/build/tests/app/app_screen_geometry_test"
[ -x "$binary" ] || cmake --build "$here/build" --target app_screen_geometry_test -j2
mkdir -p "$out"
rm -f "$out"/*.png
xvfb-run -a -s "-screen 0 1600x1200x24" sh -c "
  (command -v openbox >/dev/null && openbox >/dev/null 2>&1 &)
  sleep 1
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale VARNOK_TOUR_DIR='$out' '$binary'
" || echo "tour: some geometry checks failed on this display (see above)"
ls "$out"/*.png
