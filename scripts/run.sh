#!/usr/bin/env bash
# Installs, builds (release) and runs bazi-seek: the desktop form when a display
# is available, otherwise a sample query on the command line.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)"
bin=build/release/bin
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && -x $bin/bazi-seek-gui ]]; then
  exec "$bin/bazi-seek-gui"
fi
echo "No display found: running a sample query on the command line instead."
echo "(To open the window, run $bin/bazi-seek-gui on a desktop, or: xvfb-run $bin/bazi-seek-gui)"
echo
"$bin/bazi-seek" lunar 2016-03-16
"$bin/bazi-seek" chart "2016-03-16 22:00"
if [[ -f examples/metal-three-with-stem.json ]]; then
  "$bin/bazi-seek" query examples/metal-three-with-stem.json
fi
