#!/usr/bin/env bash
# Installs what is missing, builds, and runs the demonstration script.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh
bash scripts/build.sh build
export SDL_LIB_DIR="$PWD/build/lib"
for script in demo.tcl sdlpr_demo.tcl files_demo.tcl; do
  echo "=============== examples/$script"
  xvfb-run -a tclsh "examples/$script"
done
