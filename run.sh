#!/usr/bin/env bash
# Installs what is missing, builds, and starts Varnok 3 on the sample data: the application when
# a display is available, the command line otherwise.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)"

# Both run in examples/, whose VARNOK3.INI loads the sample data set at start.
cd examples
if [ -x ../build-release/app/varnok3 ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec ../build-release/app/varnok3 "$@"
fi
# No display: read the sample data set and print its statistics.
exec ../build-release/demo/varnok3-demo VARNOK3.INI
