#!/bin/sh
# Installs the build into a scratch prefix and checks that a Tk interpreter
# whose package path holds the installed folder finds the package by name.
# Usage: install_test.sh <build folder>
set -e
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
test -f "$prefix/lib/tcltk/sdl1.0/libsdl.so"
test -f "$prefix/lib/tcltk/sdl1.0/pkgIndex.tcl"
"$prefix/bin/sdltool" --help >/dev/null
version=$(printf 'package require Tk\nputs [package require sdl]\nexit\n' | TCLLIBPATH="$prefix/lib/tcltk" tclsh)
test "$version" = "1.0"
echo "installed package answers $version"
