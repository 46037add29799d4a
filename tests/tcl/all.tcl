# Runs every *.test file of this folder (or those named on the command line)
# in this interpreter and exits with a non-zero status when a test failed or
# a test file could not be run.
# The file names are ours, not options for tcltest.
set requested $argv
set argv {}
package require tcltest 2
set dir [file dirname [file normalize [info script]]]
set ::sdl_failed 0
# cleanupTests exits a Tk application unless it counts as interactive; the
# files here run one after another in this interpreter.
::tcltest::testConstraint interactive 1
set ::sdl_total 0
proc ::tcltest::cleanupTestsHook {} {
    variable numTests
    incr ::sdl_failed $numTests(Failed)
    incr ::sdl_total $numTests(Total)
}
set files [lsort [glob -directory $dir *.test]]
if {[llength $requested]} {
    set files [lmap f $requested {file join $dir $f}]
}
foreach file $files {
    puts "== [file tail $file]"
    if {[catch {uplevel #0 [list source $file]} err]} {
        puts "Test file error in [file tail $file]: $err"
        incr ::sdl_failed
    }
}
puts "tcltest: $::sdl_total tests, $::sdl_failed failed"
puts "[expr {$::sdl_total - $::sdl_failed}] passed, $::sdl_failed failed"
exit [expr {$::sdl_failed > 0}]
