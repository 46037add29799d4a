# Editing the shown page: the element index, the current tool, placing and
# deleting elements, pages and diagram properties. Every change goes through
# the undo engine as one action.

namespace eval ::sdledit::edit {
    variable tool select     ;# select, flowline, channel or a symbol type name
    variable snap 1          ;# snap positions to the grid
    variable grid 10
    variable index {}        ;# model ID -> record of every element on the page
    variable sel {}          ;# selected model IDs

    # Default size of a new symbol, by kind.
    variable sizes {
        TextSym {160 60} BlkInstRefSym {140 80} BlkTypeRefSym {140 80}
        ProInstRefSym {140 80} ProTypeRefSym {140 80} ProcedureInstRefSym {140 60}
        StateMaStartStateSym {100 40} StateMaStateSym {100 40} StateMaOutputSym {100 40}
        StateMaInputSym {100 40} StateMaStopSym {40 40} StateMaTaskSym {100 40}
        StateMaConditionSym {100 40} StateMaDecisionSym {120 60}
        StateMaCreateProSym {100 40} StateMaCallProcedureSym {100 40}
        StateMaProcedureStartStateSym {100 40} StateMaProcedureReturnSym {40 40}
    }
    variable refkinds {BlkInstRefSym ProInstRefSym ProcedureInstRefSym}
}

# --- the page index --------------------------------------------------------

proc ::sdledit::edit::reindex {} {
    variable index
    variable sel
    lassign [::sdledit::current] dia page
    set index {}
    if {$dia < 0} { set sel {}; return }
    foreach r [::sdledit::undo::page_records $dia $page] {
        dict set index [dict get $r id] $r
    }
    set keep {}
    foreach id $sel { if {[dict exists $index $id]} { lappend keep $id } }
    set sel $keep
}

proc ::sdledit::edit::record {id} {
    variable index
    return [dict get $index $id]
}

proc ::sdledit::edit::kind {id} {
    variable index
    if {![dict exists $index $id]} { return "" }
    return [dict get $index $id kind]
}

proc ::sdledit::edit::is_line {id} { return [expr {[kind $id] in {flowline channel}}] }

proc ::sdledit::edit::symbols {} {
    variable index
    set out {}
    dict for {id r} $index {
        if {[dict get $r kind] ni {flowline channel}} { lappend out $id }
    }
    return $out
}

# The lines (flow lines and channels) with an end at one of the symbols IDS.
proc ::sdledit::edit::attached {ids} {
    variable index
    set out {}
    dict for {id r} $index {
        if {[dict get $r kind] ni {flowline channel}} continue
        if {[dict get $r src] in $ids || [dict get $r dst] in $ids} { lappend out $id }
    }
    return $out
}

# The topmost symbol whose box holds the model point X Y, or "".
proc ::sdledit::edit::symbol_at {x y} {
    variable index
    set found ""
    dict for {id r} $index {
        if {![dict exists $r pas]} continue
        lassign [dict get $r pas] sx sy w h
        if {$x >= $sx && $x <= $sx + $w && $y >= $sy && $y <= $sy + $h} { set found $id }
    }
    return $found
}

# The element under the canvas point CX CY: a symbol by its box, else a line
# or answer drawn there.
proc ::sdledit::edit::element_at {cx cy} {
    lassign [::sdledit::to_model $cx $cy] x y
    set c [::sdledit::canvas]
    foreach item [lreverse [$c find overlapping [expr {$cx - 3}] [expr {$cy - 3}] [expr {$cx + 3}] [expr {$cy + 3}]]] {
        foreach tag [$c gettags $item] {
            if {[regexp {^id(-?\d+)$} $tag -> id] && [is_line $id]} { return $id }
        }
    }
    return [symbol_at $x $y]
}

proc ::sdledit::edit::snapped {v} {
    variable snap
    variable grid
    if {!$snap} { return [expr {int(round($v))}] }
    return [expr {int(round(double($v) / $grid)) * $grid}]
}

proc ::sdledit::edit::dia_kind {} {
    lassign [::sdledit::current] dia
    return [::sdledit::undo::dia_kind $dia]
}

# --- running actions -------------------------------------------------------

# Runs STEPS as one undoable action on the shown page and redraws. A refused
# step shows the model's message; the model is then as before.
proc ::sdledit::edit::act {label steps} {
    if {[catch {::sdledit::undo::run $label [::sdledit::current] $steps} ran]} {
        ::sdledit::report_error "$label failed" $ran
        refresh
        return ""
    }
    refresh $ran
    ::sdledit::status $label
    return $ran
}

# Draws the shown page again from the model; the index follows STEPS (the
# steps just run) or, without them, is read again from the model.
proc ::sdledit::edit::refresh {{steps ""}} {
    ::sdledit::redraw
    if {$steps eq "" || ![follow $steps]} { reindex }
    ::sdledit::select::show_marks
}

# Brings the index up to date with STEPS without reading the page; returns 0
# for steps it cannot follow (pages, diagrams), which need a full reindex.
proc ::sdledit::edit::follow {steps} {
    variable index
    variable sel
    lassign [::sdledit::current] dia page
    set fields {smpas pas recpas pas smtext text rectext text flowcoords coords
                chancoords coords answerpas apas answertext answer}
    foreach step $steps {
        set args [lassign $step verb]
        switch -- $verb {
            set {
                lassign $args field target old new
                set id [::sdledit::undo::C $target]
                if {![dict exists $index $id]} continue
                if {[dict exists $fields $field]} {
                    dict set index $id [dict get $fields $field] $new
                } elseif {$field eq "chantype"} {
                    dict set index $id delay [lindex $new 0]
                    dict set index $id dir [lindex $new 1]
                } elseif {[string match Chan* $field]} {
                    dict set index $id $field $new
                } else {
                    return 0
                }
            }
            create {
                set r [lindex $args 0]
                if {[::sdledit::undo::C [dict get $r page]] != $page} continue
                foreach key {id dia page refdia} {
                    if {[dict exists $r $key]} { dict set r $key [::sdledit::undo::C [dict get $r $key]] }
                }
                foreach key {src dst} {
                    if {[dict exists $r $key]} { dict set r $key [::sdledit::undo::endpoint [dict get $r $key]] }
                }
                dict unset r sub
                dict set index [dict get $r id] $r
            }
            destroy {
                set id [::sdledit::undo::C [dict get [lindex $args 0] id]]
                dict unset index $id
                set sel [lsearch -all -inline -not -exact $sel $id]
            }
            default { return 0 }
        }
    }
    return 1
}

# After undo and redo: show the page the action was about.
proc ::sdledit::edit::model_changed {dia page steps} {
    catch ::sdledit::tree_refresh
    if {[list $dia $page] ne [::sdledit::current]} {
        ::sdledit::show $dia $page
    } else {
        refresh $steps
    }
}

# --- tools and placing -----------------------------------------------------

proc ::sdledit::tool {name} {
    variable ::sdledit::edit::tool
    if {$name ni [concat select flowline channel [::sdledit::palette::kinds]]} {
        error "tool \"$name\" is not offered in this diagram"
    }
    set tool $name
    ::sdledit::palette::update_buttons
    set c [::sdledit::canvas]
    if {$c ne ""} {
        $c configure -cursor [expr {$name eq "select" ? "" : "crosshair"}]
    }
    return $name
}

# Inserts a symbol of KIND centred at the model point X Y and opens its text.
proc ::sdledit::edit::place {kind x y} {
    variable sizes
    lassign [::sdledit::current] dia page
    lassign [dict get $sizes $kind] w h
    set px [snapped [expr {$x - $w / 2}]]
    set py [snapped [expr {$y - $h / 2}]]
    set r [dict create kind $kind id "" dia [::sdledit::undo::L $dia] \
        page [::sdledit::undo::L $page] pas [list $px $py $w $h] text ""]
    set ran [act "Insert [::sdledit::palette::label $kind]" [list [list create $r]]]
    if {$ran eq ""} return
    set id [::sdledit::undo::C [dict get [lindex $ran 0 1] id]]
    if {$kind in $::sdledit::edit::refkinds} { catch ::sdledit::tree_refresh }
    ::sdledit::select::set_selection [list $id]
    ::sdledit::textedit::open $id
    return $id
}

# --- deleting --------------------------------------------------------------

proc ::sdledit::edit::diagram_is_empty {dia} {
    set pages [::sdledit::undo::page_ids $dia]
    if {[llength $pages] > 1} { return 0 }
    return [expr {[llength [::sdledit::undo::page_records $dia [lindex $pages 0]]] == 0}]
}

# Deletes IDS with the lines attached to them, in one action.
proc ::sdledit::edit::delete {ids {ask 1}} {
    variable index
    if {![llength $ids]} return
    set symbols {}
    foreach id $ids { if {![is_line $id]} { lappend symbols $id } }
    foreach id $symbols {
        set r [record $id]
        if {$ask && [dict exists $r refdia] && ![diagram_is_empty [dict get $r refdia]]} {
            set answer [tk_messageBox -parent . -icon warning -type okcancel -default cancel \
                -title "Delete" -message "Delete \"[dict get $r text]\" and its diagram?" \
                -detail "The diagram of this reference symbol is not empty; everything in it is deleted too."]
            if {$answer ne "ok"} return
        }
    }
    set lines [lsort -unique [concat [attached $symbols] [lmap id $ids {expr {[is_line $id] ? $id : [continue]}}]]]
    lassign [::sdledit::current] dia page
    set steps {}
    foreach id [concat $lines $symbols] {
        lappend steps [list destroy [::sdledit::undo::logical_record [record $id]]]
    }
    ::sdledit::select::set_selection {}
    act "Delete" $steps
    if {[llength $symbols]} { catch ::sdledit::tree_refresh }
}

# --- pages and diagrams ----------------------------------------------------

proc ::sdledit::edit::add_page {} {
    lassign [::sdledit::current] dia page
    set snap [::sdledit::undo::page_snapshot $dia $page]
    dict set snap content {}
    set lpage [::sdledit::undo::fresh_id]
    set step [list addpage [::sdledit::undo::L $dia] [::sdledit::undo::L $page] $lpage $snap]
    if {[act "Add page" [list $step]] eq ""} return
    ::sdledit::show $dia [::sdledit::undo::C $lpage]
}

proc ::sdledit::edit::delete_page {} {
    lassign [::sdledit::current] dia page
    set pages [::sdledit::undo::page_ids $dia]
    if {[llength $pages] < 2} {
        ::sdledit::report_error "Delete page" "A diagram keeps at least one page."
        return
    }
    set i [lsearch $pages $page]
    set answer [tk_messageBox -parent . -icon warning -type okcancel -default cancel \
        -title "Delete page" -message "Delete page [expr {$i + 1}] with everything on it?"]
    if {$answer ne "ok"} return
    set after [expr {$i > 0 ? [::sdledit::undo::L [lindex $pages $i-1]] : ""}]
    set snap [::sdledit::undo::page_snapshot $dia $page]
    set steps [list [list droppage [::sdledit::undo::L $dia] $after [::sdledit::undo::L $page] $snap]]
    if {[catch {::sdledit::undo::run "Delete page" [list $dia $page] $steps} err]} {
        ::sdledit::report_error "Delete page failed" $err
        return
    }
    ::sdledit::show $dia [lindex $pages [expr {$i > 0 ? $i - 1 : 1}]]
}

proc ::sdledit::edit::page_setup {} {
    lassign [::sdledit::current] dia page
    get_PageSize_from_Model $dia $page
    set w [::sdledit::mar PageWidth]
    set h [::sdledit::mar PageHeight]
    get_PageFrameInfo_from_Model $dia $page
    set frame [::sdledit::mar FramePaS]
    lassign $frame fx fy fw fh
    set values [::sdledit::textedit::form "Page size and frame" [list \
        width "Page width" $w height "Page height" $h \
        fx "Frame left" $fx fy "Frame top" $fy fw "Frame width" $fw fh "Frame height" $fh] integer]
    if {$values eq ""} return
    dict with values {}
    set where [list [::sdledit::undo::L $dia] [::sdledit::undo::L $page]]
    set steps {}
    if {$width != $w} { lappend steps [list set pagewidth $where $w $width] }
    if {$height != $h} { lappend steps [list set pageheight $where $h $height] }
    if {[list $fx $fy $fw $fh] ne $frame} {
        lappend steps [list set pageframe $where $frame [list $fx $fy $fw $fh]]
    }
    act "Page size and frame" $steps
}

proc ::sdledit::edit::rename_system {} {
    get_System_Model_ID
    set sys [::sdledit::mar System_Model_ID]
    get_AllReferencedDiagrams_from_Model $sys
    set old [::sdledit::mtext Text]
    set values [::sdledit::textedit::form "Rename system" [list name "System name" $old] name]
    if {$values eq "" || [dict get $values name] eq $old} return
    act "Rename system" [list [list set sysname $sys $old [dict get $values name]]]
    catch ::sdledit::tree_refresh
}

proc ::sdledit::edit::formal_parameters {} {
    lassign [::sdledit::current] dia
    if {[::sdledit::undo::dia_kind $dia] ne "ProcedureDia"} {
        ::sdledit::report_error "Formal parameters" "Only procedure diagrams have formal parameters."
        return
    }
    get_ProcedureFormalParameters_from_Model $dia
    set old [::sdledit::mtext HP_FormalParameters]
    set values [::sdledit::textedit::form "Formal parameters" [list params "Formal parameters" $old] ""]
    if {$values eq "" || [dict get $values params] eq $old} return
    act "Formal parameters" [list [list set params [::sdledit::undo::L $dia] $old [dict get $values params]]]
}

::sdledit::on page_shown {apply {args {
    ::sdledit::edit::reindex
    ::sdledit::select::set_selection {}
    ::sdledit::palette::update_buttons
}}}
::sdledit::on model_changed ::sdledit::edit::model_changed
::sdledit::on model_replaced {apply {args { ::sdledit::undo::reset }}}

::sdledit::on ui {apply {args {
    set m .menubar.diagram
    $m add separator
    $m add command -label "Add page after this one" -underline 0 -command ::sdledit::edit::add_page
    $m add command -label "Delete page..." -underline 0 -command ::sdledit::edit::delete_page
    $m add command -label "Page size and frame..." -underline 5 -command ::sdledit::edit::page_setup
    $m add separator
    $m add command -label "Rename system..." -underline 0 -command ::sdledit::edit::rename_system
    $m add command -label "Formal parameters..." -underline 1 -command ::sdledit::edit::formal_parameters
}}}
