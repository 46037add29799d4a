#!/usr/bin/env bash
# Installs what is missing, builds, runs the demonstration scripts, and then
# opens the example model in the editor when there is a display; without
# one, exports every page of the example model as PNG and SVG into
# demo-pictures/ and prints the paths.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh
bash scripts/build.sh build
export SDL_LIB_DIR="$PWD/build/lib"
for script in demo.tcl sdlpr_demo.tcl files_demo.tcl; do
  echo "=============== examples/$script"
  xvfb-run -a tclsh "examples/$script"
done

model="$PWD/build/example.xml"
xvfb-run -a tclsh examples/editor_example.tcl "$model"
if [ -n "${DISPLAY:-}" ]; then
  echo "=============== sdledit $model"
  exec build/bin/sdledit "$model"
fi
echo "=============== no display: every page of $model as PNG and SVG"
for format in png svg; do
  xvfb-run -a build/bin/sdledit --export "$PWD/demo-pictures" --format "$format" "$model"
done
