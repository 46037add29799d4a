# Editor speed: opening a model file and drawing a page that holds 2,000
# state-machine symbols joined by 2,000 flow lines, and redrawing that page.
# Prints the figures (median of several runs); it is not a test.
#
#   SDL_LIB_DIR=<build>/lib xvfb-run -a tclsh bench/bench_editor.tcl ?RUNS?
source [file join [file dirname [file normalize [info script]]] .. editor sdledit.tcl]
set runs [expr {[llength $argv] ? [lindex $argv 0] : 7}]

# 50 columns of 40 symbols, each column a chain start/state/input/... with a
# flow line from every symbol to the next one (and from the last to the top
# of the next column), 2,000 of each in all.
proc build_model {path} {
    create_EmptySysSpec
    get_System_Model_ID
    set sys [sdledit::mar System_Model_ID]
    insert_RecSym_into_Model $sys 2 ProInstRefSym 100 100 120 60 Big
    set dia [sdledit::mar RefDia_Model_ID]
    get_FirstPageID_from_Model $dia
    set page [sdledit::mar FirstPageID]
    modify_PageWidth_in_Model $dia $page 8000
    modify_PageHeight_in_Model $dia $page 4000
    modify_PageFramePaS_in_Model $dia $page 20 20 7900 3900
    set kinds {StateMaStateSym StateMaInputSym StateMaTaskSym StateMaOutputSym StateMaDecisionSym
               StateMaCreateProSym StateMaCallProcedureSym StateMaConditionSym}
    set ids {}
    for {set i 0} {$i < 2000} {incr i} {
        set x [expr {40 + ($i / 40) * 155}]
        set y [expr {60 + ($i % 40) * 95}]
        insert_StateMachineSymbol_into_Model $dia $page [lindex $kinds [expr {$i % 8}]] \
            $x $y 120 50 "symbol $i\nsecond line"
        lappend ids [sdledit::mar NewObj_Model_ID]
        lappend boxes [list $x $y]
    }
    for {set i 0} {$i < 2000} {incr i} {
        set j [expr {($i + 1) % 2000}]
        lassign [lindex $boxes $i] x0 y0
        lassign [lindex $boxes $j] x1 y1
        insert_FlowLine_into_Model $dia $page [lindex $ids $i] [lindex $ids $j] \
            [list [expr {$x0 + 60}] [expr {$y0 + 50}] [expr {$x1 + 60}] $y1]
    }
    store_Model_in_File $path
    return [llength [sdledit::tree_refresh]]
}

# CPU time of this process in ms (user + system, in 10 ms ticks): on a busy
# machine wall-clock figures also count the time given to other processes.
proc cpu_ms {} {
    set f [open /proc/self/stat]
    set line [read $f]
    close $f
    set fields [split [string range $line [expr {[string last ")" $line] + 2}] end] " "]
    return [expr {([lindex $fields 11] + [lindex $fields 12]) * 10}]
}

proc median {values} {
    set sorted [lsort -real $values]
    return [lindex $sorted [expr {[llength $sorted] / 2}]]
}

sdledit::main
wm geometry . 1200x800+0+0
update
set path [file join [expr {[info exists env(TMPDIR)] ? $env(TMPDIR) : "/tmp"}] sdledit_bench_[pid].xml]
build_model $path
set opens {}
set redraws {}
set openCpu 0
set redrawCpu 0
for {set run 0} {$run < $runs} {incr run} {
    update
    set c0 [cpu_ms]
    set t0 [clock microseconds]
    sdledit::open $path
    set dia [lindex [sdledit::tree_refresh] end]
    sdledit::show $dia [lindex [sdledit::page_ids $dia] 0]
    update
    lappend opens [expr {([clock microseconds] - $t0) / 1000.0}]
    set c1 [cpu_ms]
    set t0 [clock microseconds]
    sdledit::redraw
    update
    lappend redraws [expr {([clock microseconds] - $t0) / 1000.0}]
    set c2 [cpu_ms]
    incr openCpu [expr {$c1 - $c0}]
    incr redrawCpu [expr {$c2 - $c1}]
}
set items [llength [[sdledit::canvas] find all]]
puts [format "page with 2000 state-machine symbols and 2000 flow lines (%d canvas items), %d runs:" $items $runs]
puts [format "  open the model file and draw the page: median %6.1f ms wall, %6.1f ms CPU (limit 300 ms)" \
    [median $opens] [expr {double($openCpu) / $runs}]]
puts [format "  redraw the page:                       median %6.1f ms wall, %6.1f ms CPU (limit 150 ms)" \
    [median $redraws] [expr {double($redrawCpu) / $runs}]]
file delete $path
exit 0
