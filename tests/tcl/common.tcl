# Shared set-up of the command tests: Tk, the built library and a result array.
package require tcltest 2
namespace import -force ::tcltest::*
package require Tk
wm withdraw .
if {![info exists ::env(SDL_LIB_DIR)]} {
    set ::env(SDL_LIB_DIR) [file join [file dirname [file dirname [file dirname [file normalize [info script]]]]] build lib]
}
set ::sdl_lib [file join $::env(SDL_LIB_DIR) libsdl.so]
if {[catch {package present sdl}]} {
    load $::sdl_lib Sdl
}
namespace eval ::Vemra_MAR { variable arr_MAR; array set arr_MAR {} }

# The result array as a sorted key/value list, for exact comparisons.
proc mar {} { lsort -stride 2 -index 0 [array get ::Vemra_MAR::arr_MAR] }
proc mar_get {key} { set ::Vemra_MAR::arr_MAR($key) }
# Runs a command and returns {code result}.
proc try_cmd {args} {
    set code [catch {uplevel 1 $args} result]
    list $code $result
}
