# Drives the sdl library as the editor does: builds a small system model
# (examples/example_model.tcl) and prints what the list commands read back.
package require Tk
wm withdraw .
lappend auto_path $::env(SDL_LIB_DIR)
puts "sdl package version: [package require sdl]"
source [file join [file dirname [info script]] example_model.tcl]

proc mar {key} { return $::Vemra_MAR::arr_MAR($key) }

# Prints the pages of a diagram with their frame headers.
proc show_pages {dia indent} {
    get_FirstPageID_from_Model $dia
    set page [mar FirstPageID]
    while {$page != -1} {
        get_PageSize_from_Model $dia $page
        set size "[mar PageWidth]x[mar PageHeight]"
        get_PageFrameInfo_from_Model $dia $page
        puts "${indent}page $page ($size): [mar HP_DiaType] [mar HP_Name] [mar HP_Index], frame [mar FramePaS]"
        get_NextPageID_from_Model $dia $page
        set page [mar NextPageID]
    }
}

# Prints the structure symbols and channels of one page.
proc show_structure {dia page indent} {
    foreach type {TextSym BlkInstRefSym ProInstRefSym ProcedureInstRefSym} {
        get_Symbols_from_Model $type $dia $page
        foreach id [mar IDs] {
            set ref [expr {[info exists ::Vemra_MAR::arr_MAR($id,RefDia_Model_ID)] ?
                " -> diagram [mar $id,RefDia_Model_ID]" : ""}]
            puts "${indent}$type $id at [mar $id,PaS]: \"[mar $id,Text]\"$ref"
        }
    }
    get_Channels_from_Model $dia $page
    foreach id [mar IDs] {
        puts "${indent}channel $id [mar $id,NameContent]: [mar $id,Source_Model_ID] -> [mar $id,Dest_Model_ID]\
            \[[mar $id,SourceSigListContent]\] [mar $id,DirectionType], [mar $id,DelayType]"
    }
}

# Prints the state machine of one page: symbols, then flow lines.
proc show_state_machine {dia page indent} {
    foreach type {StateMaStartStateSym StateMaStateSym StateMaInputSym StateMaDecisionSym StateMaOutputSym} {
        get_StateMachineSyms_from_Model $type $dia $page
        foreach id [mar IDs] { puts "${indent}[string range $type 7 end-3] $id \"[mar $id,Text]\"" }
    }
    get_FlowLines_from_Model $dia $page
    foreach id [mar IDs] {
        set answer [expr {[mar $id,Type] eq "decision" ? " on \"[mar $id,Content]\"" : ""}]
        puts "${indent}flow $id: [mar $id,Source_Model_ID] -> [mar $id,Dest_Model_ID]$answer"
    }
}

# Walks the diagram tree from the system diagram downwards.
proc show_diagram {dia indent} {
    get_AllReferencedDiagrams_from_Model $dia
    set children [mar IDs]
    puts "${indent}[mar DiaType] $dia \"[mar Text]\""
    show_pages $dia "$indent  "
    get_FirstPageID_from_Model $dia
    set page [mar FirstPageID]
    get_PageFrameInfo_from_Model $dia $page
    if {[mar HP_DiaType] in {process procedure}} {
        show_state_machine $dia $page "$indent  "
    } else {
        show_structure $dia $page "$indent  "
    }
    foreach child $children { show_diagram $child "$indent  " }
}

set ids [build_example_model]
puts "model built: system [dict get $ids system], block [dict get $ids block], process [dict get $ids process]"
puts ""
show_diagram [dict get $ids system] ""
puts ""
puts "process diagram [dict get $ids processDia] is referenced from diagram\
    [get_ReferencingDiagramID_from_Model [dict get $ids processDia]]"
exit 0
