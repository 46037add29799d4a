# Shared set-up of the command tests: Tk, the built library, a result array
# and the helpers of the tables.
package require tcltest 2
namespace import -force ::tcltest::*
package require Tk
wm withdraw .
set ::here [file dirname [file normalize [info script]]]
if {![info exists ::env(SDL_LIB_DIR)]} {
    set ::env(SDL_LIB_DIR) [file join [file dirname [file dirname $::here]] build lib]
}
set ::sdl_lib [file join $::env(SDL_LIB_DIR) libsdl.so]
set ::data [file join [file dirname $::here] data]
if {[catch {package present sdl}]} {
    load $::sdl_lib Sdl
}
namespace eval ::Vemra_MAR { variable arr_MAR; array set arr_MAR {} }

proc mar_get {key} { set ::Vemra_MAR::arr_MAR($key) }
proc slurp {path} { set f [open $path rb]; set t [read $f]; close $f; return $t }

# Runs a command and returns {code result}.
proc try_cmd {args} {
    set code [catch {uplevel 1 $args} result]
    list $code $result
}

# What a command does to the result array, in order: "clear" when it unsets
# the array (and sets the empty key to "{ }"), then each key and value it
# writes.
proc on_event {n1 n2 op} {
    if {$op eq "unset"} {
        lappend ::events clear
        trace add variable ::Vemra_MAR::arr_MAR write on_event
    } elseif {$n2 ne "" || [set ::Vemra_MAR::arr_MAR()] ne "{ }"} {
        lappend ::events $n2 [set ::Vemra_MAR::arr_MAR($n2)]
    }
}
proc untrace {} {
    foreach t [trace info variable ::Vemra_MAR::arr_MAR] { trace remove variable ::Vemra_MAR::arr_MAR {*}$t }
}

# Table-driven command checks. Each row {call code result events} runs in
# the caller's scope; variables in `result` and `events` are substituted just
# before the row runs. Returns the rows that went otherwise, with the
# {code result events} they gave instead; {} when all rows pass. A row
# {# text} is a comment.
proc check_calls {rows} {
    set bad {}
    foreach row $rows {
        if {[string match #* $row]} continue
        lassign $row call code result events
        set result [uplevel 1 [list subst -nobackslashes $result]]
        set events [list {*}[uplevel 1 [list subst -nobackslashes $events]]]
        array unset ::Vemra_MAR::arr_MAR
        array set ::Vemra_MAR::arr_MAR {}
        set ::events {}
        trace add variable ::Vemra_MAR::arr_MAR {write unset} on_event
        set c [catch {uplevel 1 $call} r]
        untrace
        set got [list $c $r $::events]
        if {$got ne [list $code $result $events]} { lappend bad [list $call -> $got] }
    }
    return $bad
}

# Inserts a symbol and returns its ID.
proc add_sym {dia page type {text ""}} {
    insert_RecSym_into_Model $dia $page $type 0 0 10 10 $text
    mar_get NewObj_Model_ID
}
proc add_sm {dia page type {text ""}} {
    insert_StateMachineSymbol_into_Model $dia $page $type 0 0 100 40 $text
    mar_get NewObj_Model_ID
}

# Runs `script` in a separate tclsh with the library loaded and returns its
# standard output and standard error together.
proc run_child {script} {
    set prelude [list set libpath $::sdl_lib]
    append prelude {
        package require Tk
        wm withdraw .
        load $libpath Sdl
        namespace eval ::Vemra_MAR { variable arr_MAR; array set arr_MAR {} }
        proc show {args} {
            set code [catch {uplevel #0 $args} r]
            puts "$code {$r} [lsort -stride 2 -index 0 [array get ::Vemra_MAR::arr_MAR]]"
        }
    }
    exec [info nameofexecutable] << "$prelude\n$script\nexit\n" 2>@1
}
