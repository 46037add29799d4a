# Writes the example model (examples/example_model.tcl) into a model file,
# with the channel texts and decision answers placed next to their lines,
# as a user of the editor would have placed them.
#
#   SDL_LIB_DIR=<build>/lib xvfb-run -a tclsh examples/editor_example.tcl OUT.xml
package require Tk
wm withdraw .
if {[info exists env(SDL_LIB_DIR)]} { lappend auto_path $env(SDL_LIB_DIR) }
package require sdl
source [file join [file dirname [info script]] example_model.tcl]

set ids [build_example_model]
dict with ids {
    # Channel name above the line, signal list below it, near the symbol.
    foreach {chan name sigs x y} [list $chanIn cIn req 150 222 $chanOut cOut ack 560 222 \
                                       $routeIn rIn req 150 222] {
        modify_ChanComp_in_Model $chan ChanName $name "$x $y 40 14"
        modify_ChanComp_in_Model $chan ChanSourceSig $sigs "$x [expr {$y + 24}] 60 14"
    }
    lassign $answers yes no
    modify_DecisionFlowLinePaS_in_Model $yes 300 306 40 14
    modify_DecisionFlowLinePaS_in_Model $no 480 306 40 14
    # Texts inside the frames, channels ending at the frame (the environment).
    set_RecSymbolPaS_in_Model $sysText 100 90 200 40
    set_RecSymbolPaS_in_Model $blockText 100 90 200 40
    modify_Chan_Coords_in_Model $chanIn {80 240 300 240}
    modify_Chan_Coords_in_Model $chanOut {420 240 720 240}
    modify_Chan_Coords_in_Model $routeIn {80 240 300 240}
    # The state machine moves down below the frame's heading.
    foreach type {StateMaStartStateSym StateMaStateSym StateMaInputSym StateMaDecisionSym
                  StateMaOutputSym} {
        get_StateMachineSyms_from_Model $type $processDia $procPage
        foreach id $::Vemra_MAR::arr_MAR(IDs) {
            lassign $::Vemra_MAR::arr_MAR($id,PaS) x y w h
            lappend moves [list $id $x [expr {$y + 60}] $w $h]
        }
    }
    foreach move $moves { modify_StateMachineSymbol_PaS_in_Model {*}$move }
    get_FlowLines_from_Model $processDia $procPage
    foreach id $::Vemra_MAR::arr_MAR(IDs) {
        set coords {}
        foreach {x y} $::Vemra_MAR::arr_MAR($id,Coords) { lappend coords $x [expr {$y + 60}] }
        lappend lines [list $id $coords]
    }
    foreach line $lines { modify_FlowLineCoords_in_Model {*}$line }
    modify_DecisionFlowLinePaS_in_Model $yes 300 366 40 14
    modify_DecisionFlowLinePaS_in_Model $no 480 366 40 14
}
store_Model_in_File [lindex $argv 0]
if {$::Vemra_MAR::arr_MAR(StoringState) ne "OK"} {
    puts stderr "cannot write [lindex $argv 0]"
    exit 1
}
exit 0
