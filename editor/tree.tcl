# The diagram tree: the system diagram with every referenced diagram below
# the diagram that references it, labelled with kind and name. Tree item
# names are the diagrams' model IDs.

namespace eval ::sdledit {
    # Per diagram ID: diakind (kind name), dianame, parent (-1 for the top).
    variable diakind
    variable dianame
    variable parent
    array set diakind {}
    array set dianame {}
    array set parent {}
}

proc ::sdledit::kind_label {diaType} {
    return [dict get {SysDia system BlkDia block ProDia process ProcedureDia procedure
        BlkTypeDia "block type" ProTypeDia "process type"} $diaType]
}

# Reads the diagram tree from the model into diakind, dianame and parent,
# and fills the tree view when the window exists. Returns the diagram IDs
# in tree order (each diagram before the diagrams it references).
proc ::sdledit::tree_refresh {} {
    variable diakind
    variable dianame
    variable parent
    array unset diakind
    array unset dianame
    array unset parent
    get_System_Model_ID
    set order {}
    set tree .body.left.tree
    set view [winfo exists $tree]
    if {$view} { $tree delete [$tree children {}] }
    # Depth first with an explicit stack of {diagram parent}.
    set stack [list [list [mar System_Model_ID] -1]]
    while {[llength $stack]} {
        lassign [lindex $stack end] dia up
        set stack [lrange $stack 0 end-1]
        get_AllReferencedDiagrams_from_Model $dia
        set diakind($dia) [mar DiaType]
        set dianame($dia) [mtext Text]
        set parent($dia) $up
        lappend order $dia
        if {$view} {
            $tree insert [expr {$up < 0 ? "" : $up}] end -id $dia -open 1 \
                -text "[kind_label $diakind($dia)] $dianame($dia)"
        }
        foreach child [lreverse [mar IDs]] { lappend stack [list $child $dia] }
    }
    return $order
}

# The diagram's names from the system diagram down, joined with "/".
proc ::sdledit::diagram_path {dia} {
    variable dianame
    variable parent
    set names {}
    while {$dia >= 0 && [info exists parent($dia)]} {
        set names [linsert $names 0 $dianame($dia)]
        set dia $parent($dia)
    }
    return [join $names /]
}

proc ::sdledit::tree_selected {} {
    variable S
    set dia [lindex [.body.left.tree selection] 0]
    if {$dia eq "" || $dia == $S(diagram)} return
    # A diagram that left the model since the tree was filled: read it again.
    if {[catch {get_FirstPageID_from_Model $dia; show $dia [mar FirstPageID]}]} {
        tree_refresh
        tree_mark $S(diagram)
    }
}

# Marks the shown diagram in the tree without reopening it.
proc ::sdledit::tree_mark {dia} {
    set tree .body.left.tree
    if {![winfo exists $tree] || ![$tree exists $dia]} return
    if {[$tree selection] ne [list $dia]} { $tree selection set [list $dia] }
    $tree see $dia
}
