# Undo and redo of editing actions, element records and the clipboard.
#
# Every editing action is a list of steps that the engine runs forward and,
# for undo, backward through their inverses:
#   create RECORD          insert the element the record describes
#   destroy RECORD         delete it (the record can bring it back)
#   set FIELD TARGET OLD NEW   change one field of an element or page
#   addpage DIA AFTER PAGE SNAPSHOT / droppage DIA AFTER PAGE SNAPSHOT
# Records and steps name elements by logical IDs: an element keeps the ID it
# had when the editor first saw it, even after undo and redo inserted it again
# under a new model ID. The translation table maps between the two.

namespace eval ::sdledit::undo {
    variable done {}        ;# actions, the newest last
    variable undone {}      ;# undone actions for redo, the newest last
    variable limit 500
    variable serial 0       ;# numbers the actions, for the modified flag
    variable saved 0        ;# serial of the newest action at the last save
    variable fwd            ;# logical ID -> model ID
    variable back           ;# model ID -> logical ID
    array set fwd {}
    array set back {}
    variable clip {}        ;# clipboard: {diagram kind, records}

    variable sm_kinds {
        StateMaStartStateSym StateMaStateSym StateMaOutputSym StateMaInputSym
        StateMaStopSym StateMaTaskSym StateMaConditionSym StateMaDecisionSym
        StateMaCreateProSym StateMaCallProcedureSym StateMaProcedureStartStateSym
        StateMaProcedureReturnSym
    }
    variable rec_kinds {
        TextSym BlkInstRefSym BlkTypeRefSym ProInstRefSym ProTypeRefSym
        ProcedureInstRefSym
    }
    # Channel text components in the order of the channel insertion command.
    variable comps {
        ChanName Name ChanSourceSig SourceSigList ChanSourceCon SourceCon
        ChanDestSig DestSigList ChanDestCon DestCon
    }
}

# --- ID translation --------------------------------------------------------

# Logical ID of the element that has model ID ID now.
proc ::sdledit::undo::L {id} {
    variable back
    if {[info exists back($id)]} { return $back($id) }
    return $id
}

# Model ID of the element with logical ID LID.
proc ::sdledit::undo::C {lid} {
    variable fwd
    if {[info exists fwd($lid)]} { return $fwd($lid) }
    return $lid
}

proc ::sdledit::undo::rebind {lid id} {
    variable fwd
    variable back
    if {[info exists fwd($lid)]} { unset -nocomplain back($fwd($lid)) }
    if {$lid == $id} {
        unset -nocomplain fwd($lid)
    } else {
        set fwd($lid) $id
        set back($id) $lid
    }
}

proc ::sdledit::undo::reset {} {
    variable done {}
    variable undone {}
    variable saved 0
    variable serial 0
    variable fwd
    variable back
    array unset fwd
    array unset back
    ::sdledit::fire modified_changed
}

# --- reading the model -----------------------------------------------------

proc ::sdledit::undo::mar {key} { return $::Vemra_MAR::arr_MAR($key) }
proc ::sdledit::undo::text {key} {
    return [string map {a\\\{ \{ a\\\} \}} $::Vemra_MAR::arr_MAR($key)]
}

proc ::sdledit::undo::is_sm_kind {kind} {
    variable sm_kinds
    return [expr {$kind in $sm_kinds}]
}

# The elements on a page as records with model IDs: symbols first, then
# channels and flow lines (which need their symbols when they are created).
proc ::sdledit::undo::page_records {dia page} {
    variable sm_kinds
    variable rec_kinds
    variable comps
    set out {}
    foreach kind $rec_kinds {
        if {[catch {get_Symbols_from_Model $kind $dia $page}]} continue
        foreach id [mar IDs] {
            set r [dict create kind $kind id $id dia $dia page $page \
                pas [mar $id,PaS] text [text $id,Text]]
            if {[info exists ::Vemra_MAR::arr_MAR($id,RefDia_Model_ID)]} {
                dict set r refdia [mar $id,RefDia_Model_ID]
            }
            lappend out $r
        }
    }
    foreach kind $sm_kinds {
        if {[catch {get_StateMachineSyms_from_Model $kind $dia $page}]} continue
        foreach id [mar IDs] {
            lappend out [dict create kind $kind id $id dia $dia page $page \
                pas [mar $id,PaS] text [text $id,Text]]
        }
    }
    if {![catch {get_Channels_from_Model $dia $page}]} {
        foreach id [mar IDs] {
            set r [dict create kind channel id $id dia $dia page $page \
                coords [mar $id,Coords] src [mar $id,Source_Model_ID] \
                dst [mar $id,Dest_Model_ID] dir [mar $id,DirectionType] \
                delay [mar $id,DelayType]]
            foreach {comp field} $comps {
                dict set r $comp [list [text $id,${field}Content] [mar $id,${field}PaS]]
            }
            lappend out $r
        }
    }
    if {![catch {get_FlowLines_from_Model $dia $page}]} {
        foreach id [mar IDs] {
            set r [dict create kind flowline id $id dia $dia page $page \
                coords [mar $id,Coords] src [mar $id,Source_Model_ID] \
                dst [mar $id,Dest_Model_ID] type [mar $id,Type]]
            if {[mar $id,Type] eq "decision"} {
                dict set r answer [text $id,Content]
                dict set r apas [mar $id,PaS]
            }
            lappend out $r
        }
    }
    return $out
}

proc ::sdledit::undo::page_ids {dia} {
    get_FirstPageID_from_Model $dia
    set pages [list [mar FirstPageID]]
    while 1 {
        get_NextPageID_from_Model $dia [lindex $pages end]
        if {[mar NextPageExists] ne "true"} break
        lappend pages [mar NextPageID]
    }
    return $pages
}

proc ::sdledit::undo::dia_kind {dia} {
    get_AllReferencedDiagrams_from_Model $dia
    return [mar DiaType]
}

# Size, frame and content of a page, with logical IDs.
proc ::sdledit::undo::page_snapshot {dia page} {
    get_PageSize_from_Model $dia $page
    set snap [dict create width [mar PageWidth] height [mar PageHeight]]
    get_PageFrameInfo_from_Model $dia $page
    dict set snap frame [mar FramePaS]
    set content {}
    foreach r [page_records $dia $page] { lappend content [logical_record $r] }
    dict set snap content $content
    return $snap
}

# A record with logical IDs; a reference symbol's record carries its whole
# diagram, so that deleting and restoring it brings back everything below it.
proc ::sdledit::undo::logical_record {r} {
    foreach key {id dia page} { dict set r $key [L [dict get $r $key]] }
    foreach key {src dst} {
        if {[dict exists $r $key] && [dict get $r $key] ne "ENV"} {
            dict set r $key [L [dict get $r $key]]
        }
    }
    if {[dict exists $r refdia]} {
        set dia [dict get $r refdia]
        set pages {}
        foreach page [page_ids $dia] {
            lappend pages [L $page] [page_snapshot $dia $page]
        }
        set sub [dict create pages $pages params ""]
        if {[dia_kind $dia] eq "ProcedureDia"} {
            get_ProcedureFormalParameters_from_Model $dia
            dict set sub params [text HP_FormalParameters]
        }
        dict set r refdia [L $dia]
        dict set r sub $sub
    }
    return $r
}

# Records of the elements with model IDs IDS on a page (logical IDs).
proc ::sdledit::undo::capture {dia page ids} {
    set out {}
    foreach r [page_records $dia $page] {
        if {[dict get $r id] in $ids} { lappend out [logical_record $r] }
    }
    return $out
}

# --- steps -----------------------------------------------------------------

proc ::sdledit::undo::endpoint {v} {
    if {$v eq "ENV"} { return ENV }
    return [C $v]
}

# Inserts the element of record R; returns R with its logical ID filled in.
proc ::sdledit::undo::create {r} {
    variable comps
    set dia [C [dict get $r dia]]
    set page [C [dict get $r page]]
    set kind [dict get $r kind]
    switch -- $kind {
        flowline {
            set src [C [dict get $r src]]
            set dst [C [dict get $r dst]]
            if {[dict get $r type] eq "decision"} {
                insert_DecisionFlowLine_into_Model $dia $page $src $dst [dict get $r coords] \
                    [dict get $r answer] [dict get $r apas]
            } else {
                insert_FlowLine_into_Model $dia $page $src $dst [dict get $r coords]
            }
            set new [mar NewObj_Model_ID]
        }
        channel {
            set args {}
            foreach {comp field} $comps { lappend args {*}[dict get $r $comp] }
            insert_BidirecChannel_into_Model $dia $page [dict get $r delay] \
                [endpoint [dict get $r src]] [endpoint [dict get $r dst]] \
                [dict get $r coords] {*}$args
            set new [mar NewObj_Model_ID]
            if {[dict get $r dir] ne "both"} {
                modify_Chan_Type_in_Model $new [dict get $r delay] [dict get $r dir]
            }
        }
        default {
            if {[is_sm_kind $kind]} {
                insert_StateMachineSymbol_into_Model $dia $page $kind {*}[dict get $r pas] [dict get $r text]
            } else {
                insert_RecSym_into_Model $dia $page $kind {*}[dict get $r pas] [dict get $r text]
            }
            set new [mar NewObj_Model_ID]
            if {[info exists ::Vemra_MAR::arr_MAR(RefDia_Model_ID)]} {
                set refdia [mar RefDia_Model_ID]
                if {[dict exists $r refdia]} {
                    rebind [dict get $r refdia] $refdia
                } else {
                    dict set r refdia $refdia
                }
                if {[dict exists $r sub]} {
                    restore_diagram $refdia [dict get $r sub]
                } else {
                    # A new diagram: remember its first page, so that a
                    # redo binds the page that later steps name.
                    get_FirstPageID_from_Model $refdia
                    set first [mar FirstPageID]
                    dict set r sub [dict create params "" \
                        pages [list $first [page_snapshot $refdia $first]]]
                }
            }
        }
    }
    if {[dict exists $r id] && [dict get $r id] ne ""} {
        rebind [dict get $r id] $new
    } else {
        dict set r id $new
    }
    return $r
}

# Gives the new diagram DIA (one empty page) the pages and content of SUB.
proc ::sdledit::undo::restore_diagram {dia sub} {
    set page ""
    foreach {lpage snap} [dict get $sub pages] {
        if {$page eq ""} {
            get_FirstPageID_from_Model $dia
            set page [mar FirstPageID]
        } else {
            add_NewPage_after_in_Model $dia $page
            get_NextPageID_from_Model $dia $page
            set page [mar NextPageID]
        }
        rebind $lpage $page
        restore_page $dia $page $snap
    }
    if {[dict get $sub params] ne ""} {
        modify_ProcedureDiaFormalParameters_in_Model $dia [dict get $sub params]
    }
}

proc ::sdledit::undo::restore_page {dia page snap} {
    modify_PageWidth_in_Model $dia $page [dict get $snap width]
    modify_PageHeight_in_Model $dia $page [dict get $snap height]
    modify_PageFramePaS_in_Model $dia $page {*}[dict get $snap frame]
    foreach r [dict get $snap content] { create $r }
}

proc ::sdledit::undo::destroy {r} {
    set id [C [dict get $r id]]
    switch -- [dict get $r kind] {
        flowline { delete_FlowLine_from_Model $id }
        channel  { delete_Chan_from_Model $id }
        default {
            if {[is_sm_kind [dict get $r kind]]} {
                delete_StateMachineSymbol_from_Model $id
            } else {
                delete_RecSym_from_Model $id
            }
        }
    }
    return $r
}

# Sets one field. TARGET is a logical element ID, or {diagram page} for the
# page fields, or a diagram for the diagram fields.
proc ::sdledit::undo::assign {field target value} {
    switch -- $field {
        smpas       { modify_StateMachineSymbol_PaS_in_Model [C $target] {*}$value }
        smtext      { modify_StateMachineSymbol_Content_in_Model [C $target] $value }
        recpas      { set_RecSymbolPaS_in_Model [C $target] {*}$value }
        rectext     { modify_RecSym_Content_in_Model [C $target] $value }
        flowcoords  { modify_FlowLineCoords_in_Model [C $target] $value }
        answerpas   { modify_DecisionFlowLinePaS_in_Model [C $target] {*}$value }
        answertext  { modify_DecisionFlowLineContent_in_Model [C $target] $value }
        chancoords  { modify_Chan_Coords_in_Model [C $target] $value }
        chantype    { modify_Chan_Type_in_Model [C $target] {*}$value }
        ChanName - ChanSourceSig - ChanDestSig - ChanSourceCon - ChanDestCon {
            modify_ChanComp_in_Model [C $target] $field {*}$value
        }
        pagewidth   { modify_PageWidth_in_Model [C [lindex $target 0]] [C [lindex $target 1]] $value }
        pageheight  { modify_PageHeight_in_Model [C [lindex $target 0]] [C [lindex $target 1]] $value }
        pageframe   { modify_PageFramePaS_in_Model [C [lindex $target 0]] [C [lindex $target 1]] {*}$value }
        sysname     { modify_SysDiaName_in_Model $value }
        params      { modify_ProcedureDiaFormalParameters_in_Model [C $target] $value }
        default     { error "unknown field $field" }
    }
}

# Adds a page after page AFTER ("" = before the first page) and gives it
# SNAPSHOT. Before the first page: a page is added after the first one, the
# first page's content moves there, and the two pages swap logical IDs.
proc ::sdledit::undo::addpage {dia after lpage snap} {
    set d [C $dia]
    if {$after ne ""} {
        add_NewPage_after_in_Model $d [C $after]
        get_NextPageID_from_Model $d [C $after]
        set page [mar NextPageID]
        rebind $lpage $page
        restore_page $d $page $snap
        return
    }
    get_FirstPageID_from_Model $d
    set first [mar FirstPageID]
    set lfirst [L $first]
    set moved [page_snapshot $d $first]
    foreach r [lreverse [dict get $moved content]] { destroy $r }
    add_NewPage_after_in_Model $d $first
    get_NextPageID_from_Model $d $first
    set second [mar NextPageID]
    rebind $lfirst $second
    set content {}
    foreach r [dict get $moved content] { lappend content [dict set r page $lfirst] }
    restore_page $d $second [dict set moved content $content]
    rebind $lpage $first
    restore_page $d $first $snap
}

proc ::sdledit::undo::droppage {dia after lpage snap} {
    delete_Page_from_Model [C $dia] [C $lpage]
}

# Runs STEP forward; returns the step as it must be remembered (a created
# record gets its logical ID).
proc ::sdledit::undo::forward {step} {
    set args [lassign $step verb]
    switch -- $verb {
        create   { return [list create [create [lindex $args 0]]] }
        destroy  { destroy [lindex $args 0] }
        set      { lassign $args field target old new; assign $field $target $new }
        addpage  { addpage {*}$args }
        droppage { droppage {*}$args }
    }
    return $step
}

proc ::sdledit::undo::inverse {step} {
    set args [lassign $step verb]
    switch -- $verb {
        create   { return [list destroy {*}$args] }
        destroy  { return [list create {*}$args] }
        set      { lassign $args field target old new; return [list set $field $target $new $old] }
        addpage  { return [list droppage {*}$args] }
        droppage { return [list addpage {*}$args] }
    }
}

# Runs STEPS in order. When one fails, the ones done so far are undone and
# the error is raised again, so the model is never left half changed.
proc ::sdledit::undo::play {steps} {
    set ran {}
    foreach step $steps {
        if {[catch {forward $step} result opts]} {
            foreach s [lreverse $ran] { catch {forward [inverse $s]} }
            return -options $opts $result
        }
        lappend ran $result
    }
    return $ran
}

# --- the public face -------------------------------------------------------

# Runs an editing action and remembers it. WHERE is {diagram page} (model
# IDs) of the page the action is about; undo and redo show that page again.
proc ::sdledit::undo::run {label where steps} {
    variable done
    variable undone
    variable limit
    variable serial
    if {![llength $steps]} return
    set ran [play $steps]
    lassign $where dia page
    lappend done [list [incr serial] $label [list [L $dia] [L $page]] $ran]
    if {[llength $done] > $limit} { set done [lrange $done end-[expr {$limit - 1}] end] }
    set undone {}
    ::sdledit::fire modified_changed
    return $ran
}

proc ::sdledit::undo::undo {} {
    variable done
    variable undone
    if {![llength $done]} { return "" }
    lassign [lindex $done end] serial label where steps
    set back {}
    foreach s [lreverse $steps] { lappend back [inverse $s] }
    set ran [play $back]
    set redo {}
    foreach s [lreverse $ran] { lappend redo [inverse $s] }
    set done [lrange $done 0 end-1]
    lappend undone [list $serial $label $where $redo]
    after_change $where $ran
    return $label
}

proc ::sdledit::undo::redo {} {
    variable done
    variable undone
    if {![llength $undone]} { return "" }
    lassign [lindex $undone end] serial label where steps
    set ran [play $steps]
    set undone [lrange $undone 0 end-1]
    lappend done [list $serial $label $where $ran]
    after_change $where $ran
    return $label
}

proc ::sdledit::undo::after_change {where steps} {
    lassign $where dia page
    ::sdledit::fire modified_changed
    ::sdledit::fire model_changed [C $dia] [C $page] $steps
}

proc ::sdledit::undo::labels {} {
    variable done
    variable undone
    set u [expr {[llength $done] ? [lindex $done end 1] : ""}]
    set r [expr {[llength $undone] ? [lindex $undone end 1] : ""}]
    return [list $u $r]
}

proc ::sdledit::undo::modified {} {
    variable done
    variable saved
    set top [expr {[llength $done] ? [lindex $done end 0] : 0}]
    return [expr {$top != $saved}]
}

proc ::sdledit::undo::mark_saved {} {
    variable done
    variable saved
    set saved [expr {[llength $done] ? [lindex $done end 0] : 0}]
    ::sdledit::fire modified_changed
}

# Marks the model as changed with no way back to the saved state (after a
# recovery from an autosave).
proc ::sdledit::undo::mark_unsaved {} {
    variable saved -1
    ::sdledit::fire modified_changed
}

# --- clipboard -------------------------------------------------------------

# Copies the symbols IDS (model IDs) of a page with the flow lines and
# channels whose both ends are among them.
proc ::sdledit::undo::copy {dia page ids} {
    variable clip
    set keep {}
    set records [page_records $dia $page]
    foreach r $records {
        if {[dict get $r kind] in {flowline channel}} continue
        if {[dict get $r id] in $ids} { lappend keep [dict get $r id] }
    }
    set out {}
    foreach r $records {
        set kind [dict get $r kind]
        if {$kind in {flowline channel}} {
            if {[dict get $r src] ni $keep || [dict get $r dst] ni $keep} continue
        } elseif {[dict get $r id] ni $keep} continue
        lappend out [logical_record $r]
    }
    set clip [list [dia_kind $dia] $out]
    return [llength $out]
}

# A new logical ID for an element or page that does not exist yet.
proc ::sdledit::undo::fresh_id {} {
    variable nextfresh
    if {![info exists nextfresh]} { set nextfresh 0 }
    return "n[incr nextfresh]"
}

proc ::sdledit::undo::clip_kind {} {
    variable clip
    return [lindex $clip 0]
}

# Steps that insert the clipboard on a page, moved by DX DY. The copies get
# fresh IDs: the records' IDs are replaced by placeholders of their own.
proc ::sdledit::undo::paste_steps {dia page dx dy} {
    variable clip
    set steps {}
    set fresh {}
    foreach r [lindex $clip 1] {
        set r [fresh_record $r $dia $page $dx $dy fresh]
        lappend steps [list create $r]
    }
    return $steps
}

# A copy of record R for page PAGE of DIA, shifted. New logical IDs are
# handed out as "n<k>" placeholders and bound when the copy is created.
proc ::sdledit::undo::fresh_record {r dia page dx dy mapName} {
    upvar 1 $mapName map
    set old [dict get $r id]
    set new [fresh_id]
    dict set map $old $new
    dict set r id $new
    dict set r dia [L $dia]
    dict set r page [L $page]
    if {[dict exists $r pas]} {
        lassign [dict get $r pas] x y w h
        dict set r pas [list [expr {$x + $dx}] [expr {$y + $dy}] $w $h]
    }
    if {[dict exists $r coords]} {
        set c {}
        foreach {x y} [dict get $r coords] { lappend c [expr {$x + $dx}] [expr {$y + $dy}] }
        dict set r coords $c
    }
    if {[dict exists $r apas]} {
        lassign [dict get $r apas] x y w h
        dict set r apas [list [expr {$x + $dx}] [expr {$y + $dy}] $w $h]
    }
    foreach key {src dst} {
        if {[dict exists $r $key] && [dict exists $map [dict get $r $key]]} {
            dict set r $key [dict get $map [dict get $r $key]]
        }
    }
    if {[dict exists $r sub]} {
        set nd [fresh_id]
        dict set r refdia $nd
        set pages {}
        foreach {lp snap} [dict get $r sub pages] {
            set np [fresh_id]
            set content {}
            set inner {}
            foreach c [dict get $snap content] {
                lappend content [fresh_record $c $nd $np 0 0 inner]
            }
            lappend pages $np [dict set snap content $content]
        }
        dict set r sub pages $pages
    }
    return $r
}

# --- the Edit menu ---------------------------------------------------------

namespace eval ::sdledit::clipboard {
    variable pasted 0     ;# pastes since the last copy, for the offset
    variable source {}    ;# page the clipboard was copied from
}

proc ::sdledit::clipboard::copy {} {
    variable pasted 0
    variable source
    set ids [::sdledit::select::selection]
    if {![llength $ids]} { return 0 }
    lassign [::sdledit::current] dia page
    set source [list $dia $page]
    set n [::sdledit::undo::copy $dia $page $ids]
    ::sdledit::status "Copied $n elements"
    return $n
}

proc ::sdledit::clipboard::cut {} {
    if {![copy]} return
    ::sdledit::edit::delete [::sdledit::select::selection] 0
    variable pasted -1
}

# Pastes the clipboard on the shown page when the page's diagram takes every
# kind in it; on the page it came from, each paste lands 20 units further.
proc ::sdledit::clipboard::paste {} {
    variable pasted
    variable source
    lassign $::sdledit::undo::clip clipkind records
    if {![llength $records]} return
    set kinds [::sdledit::palette::kinds]
    foreach r $records {
        set kind [dict get $r kind]
        if {$kind ni [concat $kinds flowline channel]} {
            set diakind [::sdledit::undo::dia_kind [lindex [::sdledit::current] 0]]
            ::sdledit::report_error "Paste" "A $diakind diagram does not take the copied elements."
            return
        }
    }
    set off 0
    if {[::sdledit::current] eq $source} { set off [expr {20 * [incr pasted]}] }
    lassign [::sdledit::current] dia page
    set ran [::sdledit::edit::act "Paste" [::sdledit::undo::paste_steps $dia $page $off $off]]
    set ids {}
    foreach step $ran { lappend ids [::sdledit::undo::C [dict get [lindex $step 1] id]] }
    ::sdledit::select::set_selection $ids
    catch ::sdledit::tree_refresh
}

proc ::sdledit::undo::menu_undo {} { menu_step undo "Undo failed" "Undone" }
proc ::sdledit::undo::menu_redo {} { menu_step redo "Redo failed" "Redone" }

# Undoes or redoes one action from the menu; a failure is shown and the
# drawing is brought back in line with the model.
proc ::sdledit::undo::menu_step {how failed done} {
    ::sdledit::textedit::commit
    if {[catch {$how} label]} {
        ::sdledit::report_error $failed $label
        catch ::sdledit::tree_refresh
        ::sdledit::edit::refresh
        return
    }
    if {$label ne ""} { ::sdledit::status "$done: $label" }
}

# Runs a menu shortcut unless a text field has the keyboard.
proc ::sdledit::key {script} {
    set w [focus]
    if {$w ne "" && [winfo class $w] in {Text Entry TEntry TCombobox Spinbox TSpinbox}} return
    uplevel #0 $script
}

proc ::sdledit::undo::update_menu {} {
    set m .menubar.edit
    lassign [labels] u r
    $m entryconfigure 0 -label [expr {$u eq "" ? "Undo" : "Undo $u"}] -state [expr {$u eq "" ? "disabled" : "normal"}]
    $m entryconfigure 1 -label [expr {$r eq "" ? "Redo" : "Redo $r"}] -state [expr {$r eq "" ? "disabled" : "normal"}]
}

::sdledit::on ui {apply {args {
    set m .menubar.edit
    $m configure -postcommand ::sdledit::undo::update_menu
    $m add command -label "Undo" -underline 0 -accelerator Ctrl+Z -command ::sdledit::undo::menu_undo
    $m add command -label "Redo" -underline 0 -accelerator Ctrl+Y -command ::sdledit::undo::menu_redo
    $m add separator
    $m add command -label "Cut" -underline 2 -accelerator Ctrl+X -command ::sdledit::clipboard::cut
    $m add command -label "Copy" -underline 0 -accelerator Ctrl+C -command ::sdledit::clipboard::copy
    $m add command -label "Paste" -underline 0 -accelerator Ctrl+V -command ::sdledit::clipboard::paste
    $m add command -label "Delete" -underline 0 -accelerator Del \
        -command {::sdledit::edit::delete [::sdledit::select::selection]}
    $m add command -label "Select all" -underline 7 -accelerator Ctrl+A -command ::sdledit::select::all
    $m add separator
    $m add command -label "Edit text" -underline 5 -accelerator F2 -command ::sdledit::textedit::open_selected
    $m add command -label "Properties..." -underline 0 -accelerator Alt+Enter \
        -command ::sdledit::textedit::properties_selected
    $m add separator
    $m add checkbutton -label "Snap to grid" -underline 0 -variable ::sdledit::edit::snap
    foreach {keys script} {
        {<Control-z>} ::sdledit::undo::menu_undo
        {<Control-y> <Control-Z> <Control-Shift-Z>} ::sdledit::undo::menu_redo
        {<Control-x>} ::sdledit::clipboard::cut
        {<Control-c>} ::sdledit::clipboard::copy
        {<Control-v>} ::sdledit::clipboard::paste
        {<Control-a>} ::sdledit::select::all
    } {
        foreach key $keys { bind . $key [list ::sdledit::key $script] }
    }
}}}
