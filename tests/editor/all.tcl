# Runs every *.test file of this folder (or those named on the command line)
# in one Tk interpreter with the editor's window, and exits non-zero when a
# test failed or a test file could not be run.
set requested $argv
set argv {}
package require tcltest 2
set dir [file dirname [file normalize [info script]]]
set ::editor_failed 0
set ::editor_total 0
# cleanupTests would exit a Tk application unless it counts as interactive.
::tcltest::testConstraint interactive 1
proc ::tcltest::cleanupTestsHook {} {
    variable numTests
    incr ::editor_failed $numTests(Failed)
    incr ::editor_total $numTests(Total)
}
set files [lsort [glob -directory $dir *.test]]
if {[llength $requested]} { set files [lmap f $requested {file join $dir $f}] }
foreach file $files {
    puts "== [file tail $file]"
    if {[catch {uplevel #0 [list source $file]} err]} {
        puts "Test file error in [file tail $file]: $err"
        incr ::editor_failed
    }
}
puts "editor tests: $::editor_total tests, $::editor_failed failed"
if {[string match */sdledit-tests-* [::tcltest::temporaryDirectory]]} {
    file delete -force [::tcltest::temporaryDirectory]
}
exit [expr {$::editor_failed ? 1 : 0}]
