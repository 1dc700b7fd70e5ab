#!/usr/bin/env bash
# Installs what is missing, builds, and starts Varnok 3 on the sample data: the application when
# a display is available, the command line otherwise.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake --preset release
# Only the two programs it runs; the test suites and benchmarks are built by test.sh.
cmake --build --preset release -j "$(nproc)" --target varnok3 varnok3-batch

if [ -x build-release/app/varnok3 ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  # examples/VARNOK3.INI loads the sample data set at start.
  cd examples
  exec ../build-release/app/varnok3 "$@"
fi
# No display: the batch command line over the sample data set.
exec build-release/cli/varnok3-batch --models all --measures all examples/ntds.v3d
