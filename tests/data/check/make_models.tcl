# Writes the model files of the checker tests: for each rule family a model
# that breaks the rules (bad_*.xml) and a near-identical one that keeps them
# (ok_*.xml), all made from the example model with a procedure Reset added.
#   xvfb-run -a tclsh make_models.tcl path/to/libsdl.so
package require Tk
wm withdraw .
load [lindex $argv 0] Sdl
set here [file dirname [file normalize [info script]]]
source [file join $here .. .. .. examples example_model.tcl]

# Free places for new symbols: a column right of the drawing, per diagram.
proc spot {dia} {
    set k [expr {[incr ::spots($dia)] - 1}]
    return [list 620 [expr {60 + 50 * $k}]]
}
proc sm {type text} {
    lassign [spot $::P] x y
    insert_StateMachineSymbol_into_Model $::P $::pp $type $x $y 100 40 $text
    return [example_mar NewObj_Model_ID]
}
proc flow {from to {answer ""}} { example_flow $::P $::pp $from $to {0 0 1 1} $answer }
proc recsym {dia page type text} {
    lassign [spot $dia] x y
    lindex [example_symbol $dia $page $type $x $y 100 40 $text] 0
}

# The example model, a procedure Reset called after the output, every page
# frame as large as a frame may be (one unit inside the page).
proc base {} {
    array unset ::spots
    set ::ids [build_example_model]
    set ::P [dict get $::ids processDia]
    set ::pp [dict get $::ids procPage]
    lassign [example_symbol $::P $::pp ProcedureInstRefSym 650 460 100 40 Reset] ::resetSym ::R
    get_FirstPageID_from_Model $::R
    set ::rp [example_mar FirstPageID]
    set ::rstart [example_sm $::R $::rp StateMaProcedureStartStateSym 350 80 ""]
    set ::rtask [example_sm $::R $::rp StateMaTaskSym 350 160 "count := 0"]
    set ::rret [example_sm $::R $::rp StateMaProcedureReturnSym 350 240 ""]
    set ::rflows [list [example_flow $::R $::rp $::rstart $::rtask {0 0 1 1}] \
                      [example_flow $::R $::rp $::rtask $::rret {0 0 1 1}]]
    delete_FlowLine_from_Model [lindex [dict get $::ids flows] 3]
    set ::call [example_sm $::P $::pp StateMaCallProcedureSym 50 380 Reset]
    flow [dict get $::ids output] $::call
    flow $::call [dict get $::ids again]
    foreach dia [list [dict get $::ids system] [dict get $::ids blockDia] $::P $::R] {
        get_FirstPageID_from_Model $dia
        set page [example_mar FirstPageID]
        while 1 {
            get_PageSize_from_Model $dia $page
            modify_PageFramePaS_in_Model $dia $page 1 1 [expr {[example_mar PageWidth] - 2}] \
                [expr {[example_mar PageHeight] - 2}]
            get_NextPageID_from_Model $dia $page
            if {[example_mar NextPageID] == $page || [example_mar NextPageID] < 0} break
            set page [example_mar NextPageID]
        }
    }
}
proc store {name} { store_Model_in_File [file join $::here $name.xml] }

# Walks: an output that ends nothing, an input without predecessor, a cycle
# that no walk reaches; kept: the output goes on, the input has a state
# before it, no cycle.
foreach variant {bad ok} {
    base
    set oops [sm StateMaOutputSym ack]
    flow [dict get $::ids decision] $oops maybe
    set lost [sm StateMaInputSym req]
    if {$variant eq "ok"} {
        flow $oops [sm StateMaStateSym Idle]
        set wait [sm StateMaStateSym Wait]
        flow $wait $lost
        flow $lost [sm StateMaStateSym Idle]
    } else {
        set t1 [sm StateMaTaskSym "a := 1"]
        set t2 [sm StateMaTaskSym "a := 2"]
        flow $t1 $t2
        flow $t2 $t1
        flow $lost [sm StateMaStateSym Idle]
    }
    store ${variant}_walk
}

# Ends: a stop symbol in the procedure (a model file cannot hold a return
# symbol in a process); kept: the return symbol, and a stop in the process.
foreach variant {bad ok} {
    base
    flow [dict get $::ids decision] [sm StateMaStopSym ""] maybe
    if {$variant eq "bad"} {
        delete_FlowLine_from_Model [lindex $::rflows 1]
        delete_StateMachineSymbol_from_Model $::rret
        insert_StateMachineSymbol_into_Model $::R $::rp StateMaStopSym 350 240 100 40 ""
        example_flow $::R $::rp $::rtask [example_mar NewObj_Model_ID] {0 0 1 1}
    }
    store ${variant}_ends
}

# Starts: a procedure without its start symbol and a process with two;
# kept: a second root that is a state with a transition.
foreach variant {bad ok} {
    base
    if {$variant eq "bad"} {
        delete_FlowLine_from_Model [lindex $::rflows 0]
        delete_StateMachineSymbol_from_Model $::rstart
        flow [sm StateMaStartStateSym ""] [sm StateMaStateSym Idle]
    } else {
        set spare [sm StateMaStateSym Spare]
        set in [sm StateMaInputSym req]
        flow $spare $in
        flow $in [sm StateMaStateSym Idle]
    }
    store ${variant}_starts
}

# Decisions: an answer given twice (other case and blanks), an empty answer,
# a flow line without answer; kept: a third, different answer.
foreach variant {bad ok} {
    base
    set d [dict get $::ids decision]
    if {$variant eq "bad"} {
        flow $d [sm StateMaStateSym Idle] " TRUE "
        flow $d [sm StateMaStateSym Idle] " "
        flow $d [sm StateMaStateSym Idle]
    } else {
        flow $d [sm StateMaStateSym Idle] "maybe"
    }
    store ${variant}_decisions
}

# Names: a nameless system and block reference, two process types whose
# names differ only in case; kept: named, and different names.
foreach variant {bad ok} {
    base
    set sys [dict get $::ids system]
    set blockDia [dict get $::ids blockDia]
    if {$variant eq "bad"} { modify_SysDiaName_in_Model " " }
    recsym $sys [dict get $::ids sysPage] BlkInstRefSym [expr {$variant eq "bad" ? "" : "Aux"}]
    recsym $blockDia [dict get $::ids blockPage] ProTypeRefSym T
    recsym $blockDia [dict get $::ids blockPage] ProTypeRefSym [expr {$variant eq "bad" ? "t" : "T2"}]
    store ${variant}_names
}

# Signals: declarations in a comment and after SIGNALLIST, a channel without
# signals; kept: real declarations with parameters, in other case.
foreach variant {bad ok} {
    base
    set blockDia [dict get $::ids blockDia]
    set page [dict get $::ids blockPage]
    set decl [expr {$variant eq "bad" ? "/* SIGNAL ping, pong; */ SIGNALLIST pong = ping;"
                                      : "/* pongs */ signal Ping(Integer, Boolean), PONG;"}]
    recsym $blockDia $page TextSym $decl
    example_channel $blockDia $page ENV [dict get $::ids process] {0 300 300 300} rPing "ping, pong"
    example_channel $blockDia $page ENV [dict get $::ids process] {0 320 300 320} rNone \
        [expr {$variant eq "bad" ? "" : "ping"}]
    set in [sm StateMaInputSym "ping(x)"]
    flow [sm StateMaStateSym Idle] $in
    set out [sm StateMaOutputSym "pong"]
    flow $in $out
    flow $out [sm StateMaStateSym Idle]
    store ${variant}_signals
}

# Procedures: a call of a procedure that does not exist; kept: the same name
# in other case, with arguments.
foreach variant {bad ok} {
    base
    modify_StateMachineSymbol_Content_in_Model $::call [expr {$variant eq "bad" ? "Rest" : "RESET(1)"}]
    store ${variant}_procedures
}

# Geometry: a symbol across the frame edge and one on top of another; kept:
# both just touching.
foreach variant {bad ok} {
    base
    set d [expr {$variant eq "bad" ? 1 : 0}]
    modify_StateMachineSymbol_PaS_in_Model $::rtask 700 160 [expr {99 + $d}] 40
    modify_StateMachineSymbol_PaS_in_Model $::rret 350 [expr {120 - $d}] 100 40
    store ${variant}_geometry
}
exit
