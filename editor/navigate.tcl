# Moving through the model: showing a page, paging, opening the diagram of a
# reference symbol and going back up to the referencing diagram.

# Shows page PAGE of DIAGRAM; an unknown diagram or page is an error and
# leaves the view as it was.
proc ::sdledit::show {diagram page} {
    variable S
    if {[catch {get_PageSize_from_Model $diagram $page} err]} {
        error "cannot show page $page of diagram $diagram: $err"
    }
    set S(diagram) $diagram
    set S(page) $page
    redraw
    tree_mark $diagram
    fire page_shown $diagram $page
}

proc ::sdledit::page_step {direction} {
    variable S
    if {$S(diagram) < 0} return
    if {$direction > 0} {
        get_NextPageID_from_Model $S(diagram) $S(page)
        set next [expr {[mar NextPageExists] ? [mar NextPageID] : -1}]
    } else {
        get_PreviousPageID_from_Model $S(diagram) $S(page)
        set next [expr {[mar PreviousPageExists] ? [mar PreviousPageID] : -1}]
    }
    if {$next >= 0} { show $S(diagram) $next }
}

proc ::sdledit::page_end {which} {
    variable S
    if {$S(diagram) < 0} return
    if {$which eq "first"} {
        get_FirstPageID_from_Model $S(diagram)
        set page [mar FirstPageID]
    } else {
        get_LastPageID_from_Model $S(diagram)
        set page [mar LastPageID]
    }
    if {$page != $S(page)} { show $S(diagram) $page }
}

proc ::sdledit::page_ids {diagram} {
    get_FirstPageID_from_Model $diagram
    set pages {}
    set page [mar FirstPageID]
    while {$page >= 0} {
        lappend pages $page
        get_NextPageID_from_Model $diagram $page
        set page [mar NextPageID]
    }
    return $pages
}

# Opens the diagram of reference symbol SYMBOL (drawn on the current page).
proc ::sdledit::open_reference {symbol} {
    variable refdia
    if {![info exists refdia($symbol)]} { return 0 }
    if {[catch {get_FirstPageID_from_Model $refdia($symbol)} err]} {
        status "The diagram of this symbol cannot be opened: $err"
        return 0
    }
    show $refdia($symbol) [mar FirstPageID]
    return 1
}

proc ::sdledit::open_reference_at {x y} {
    set c [canvas]
    foreach tag [$c gettags current] {
        if {[regexp {^id(-?\d+)$} $tag -> id]} { return [open_reference $id] }
    }
    return 0
}

# Shows the referencing diagram on the page of the symbol that references
# the current diagram.
proc ::sdledit::go_up {} {
    variable S
    if {$S(diagram) < 0} return
    set child $S(diagram)
    get_System_Model_ID
    set up [expr {$child == [mar System_Model_ID] ? -1 : [get_ReferencingDiagramID_from_Model $child]}]
    if {$up < 0} {
        status "The system diagram has no referencing diagram."
        return
    }
    foreach page [page_ids $up] {
        foreach type {BlkInstRefSym ProInstRefSym ProcedureInstRefSym} {
            if {[catch {get_Symbols_from_Model $type $up $page}]} continue
            foreach id [mar IDs] {
                if {[info exists ::Vemra_MAR::arr_MAR($id,RefDia_Model_ID)]
                    && [mar $id,RefDia_Model_ID] == $child} {
                    show $up $page
                    flash $id
                    return
                }
            }
        }
    }
    get_FirstPageID_from_Model $up
    show $up [mar FirstPageID]
}

# Briefly highlights the items of element ID on the canvas.
proc ::sdledit::flash {id} {
    set c [canvas]
    set box [$c bbox id$id]
    if {$box eq ""} return
    lassign $box x0 y0 x1 y1
    $c create rectangle [expr {$x0 - 3}] [expr {$y0 - 3}] [expr {$x1 + 3}] [expr {$y1 + 3}] \
        -outline #e8a317 -width 3 -tags flash
    after 700 [list catch [list $c delete flash]]
}
