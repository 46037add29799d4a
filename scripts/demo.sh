#!/usr/bin/env bash
# Installs what is missing, builds, and runs the demonstration script.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh
bash scripts/build.sh build
SDL_LIB_DIR="$PWD/build/lib" xvfb-run -a tclsh examples/demo.tcl
