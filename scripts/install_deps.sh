#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the demo need.
set -euo pipefail
PACKAGES="cmake g++ make tcl tcl-dev tk tk-dev tcl-thread libxml2-dev libgtest-dev libbenchmark-dev"
PACKAGES="$PACKAGES xvfb xauth tklib libtk-img libxml2-utils"
missing=""
for p in $PACKAGES; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
fi
