# Helpers of the command tests (sourced after common.tcl).

# A fresh system model: system diagram 1 "ROOT" with page 2.
proc new_model {} { create_EmptySysSpec }

# Puts the result array into a known state, to see whether a command
# touched it.
proc set_marker {} {
    array unset ::Vemra_MAR::arr_MAR
    set ::Vemra_MAR::arr_MAR(marker) 1
}
set ::MARKER {marker 1}

# The sorted content of a freshly cleared array that then received `args`
# (key value ...), for comparison with [mar].
proc cleared {args} { lsort -stride 2 -index 0 [list {} {{ }} {*}$args] }

# Runs a command and returns {code result content-of-array}.
proc run {args} {
    set code [catch {uplevel 1 $args} result]
    list $code $result [mar]
}

# Inserts a structure symbol and returns its ID (and sets ::refdia for
# referencing kinds).
proc add_sym {dia page type {x 10} {y 20} {w 100} {h 50} {text ""}} {
    insert_RecSym_into_Model $dia $page $type $x $y $w $h $text
    set ::refdia [expr {[info exists ::Vemra_MAR::arr_MAR(RefDia_Model_ID)] ? [mar_get RefDia_Model_ID] : ""}]
    mar_get NewObj_Model_ID
}

# A process diagram below the system: returns {processDiagram firstPage}.
proc add_process {} {
    add_sym 1 2 BlkInstRefSym 0 0 100 50 B
    get_FirstPageID_from_Model $::refdia
    add_sym $::refdia [mar_get FirstPageID] ProInstRefSym 0 0 100 50 P
    get_FirstPageID_from_Model $::refdia
    list $::refdia [mar_get FirstPageID]
}

# Inserts a state-machine symbol and returns its ID.
proc add_sm {dia page type {text ""} {x 0} {y 0}} {
    insert_StateMachineSymbol_into_Model $dia $page $type $x $y 100 40 $text
    mar_get NewObj_Model_ID
}

# Inserts a channel with default component boxes and returns its ID.
proc add_chan {dia page from to {coords {0 0 10 10}} {name c}} {
    insert_BidirecChannel_into_Model $dia $page delay $from $to $coords $name {1 2 3 4} \
        s {5 6 7 8} sc {9 10 11 12} d {13 14 15 16} dc {17 18 19 20}
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

# Table-driven command checks. Each row is {call code result state}, run in
# order in the caller's scope after set_marker; variables in `result` and
# `state` are substituted just before the row runs. `state` is the array afterwards:
# "kept" (only the marker), a key/value list written into the freshly
# cleared array ({} = cleared, nothing written), or, when it holds the key
# marker, the whole array. Returns the rows that went otherwise, with the
# {code result array} they gave instead; {} when all rows pass. A row
# {# text} is a comment.
proc check_calls {rows} {
    set bad {}
    foreach row $rows {
        if {[string match #* $row]} continue
        lassign $row call code result state
        set result [uplevel 1 [list subst -nobackslashes $result]]
        set state [uplevel 1 [list subst -nobackslashes $state]]
        set_marker
        set c [catch {uplevel 1 $call} r]
        if {$state eq "kept"} {
            set want $::MARKER
        } elseif {[dict exists $state marker]} {
            set want [lsort -stride 2 -index 0 $state]
        } else {
            set want [cleared {*}$state]
        }
        set got [list $c $r [mar]]
        if {$got ne [list $code $result $want]} { lappend bad [list $call -> $got] }
    }
    return $bad
}
