#!/usr/bin/env bash
# Installs what is missing, builds, and starts Varnok 3.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # No display: the batch command line over the sample data set.
  exec build-release/cli/varnok3-batch --models all --measures all examples/ntds.v3d
fi
if [ -x build-release/app/varnok3 ]; then
  exec build-release/app/varnok3 "$@"
fi
# Until the application exists: read the sample data set and print its statistics.
cd examples && exec ../build-release/demo/varnok3-demo VARNOK3.INI
