#!/usr/bin/env bash
# Installs what is missing, builds, and starts Varnok 3.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)"

if [ -x build-release/app/varnok3 ]; then
  exec build-release/app/varnok3 "$@"
fi
# Until the application exists: read the sample data set and print its statistics.
cd examples && exec ../build-release/demo/varnok3-demo VARNOK3.INI
