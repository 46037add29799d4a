# Shared set-up of the drawing, navigation and export tests: the editor's
# window under X, failures collected instead of shown, and a model that
# holds every element kind.
package require tcltest 2
namespace import -force ::tcltest::*
# Files the tests make go to a scratch folder, not into the source tree.
if {[file normalize [::tcltest::temporaryDirectory]] eq [file normalize [pwd]]} {
    set scratch [file join [expr {[info exists ::env(TMPDIR)] ? $::env(TMPDIR) : "/tmp"}] sdledit-tests-[pid]]
    file mkdir $scratch
    ::tcltest::temporaryDirectory $scratch
}
set here [file dirname [file normalize [info script]]]
set root [file dirname [file dirname $here]]
if {![info exists ::env(SDL_LIB_DIR)]} { set ::env(SDL_LIB_DIR) [file join $root build lib] }
if {[info commands ::sdledit::main] eq ""} { source [file join $root editor sdledit.tcl] }
if {![winfo exists .menubar]} {
    sdledit::main
    wm geometry . 1200x860+0+0
    update
}
set ::c [sdledit::canvas]
set ::failures {}
proc ::sdledit::report_error {title message} { lappend ::failures $message }

proc mar {key} { return $::Vemra_MAR::arr_MAR($key) }
proc first_page {dia} { get_FirstPageID_from_Model $dia; mar FirstPageID }
proc sym {dia page type box text} {
    insert_RecSym_into_Model $dia $page $type {*}$box $text
    set ::ref [expr {[info exists ::Vemra_MAR::arr_MAR(RefDia_Model_ID)] ? [mar RefDia_Model_ID] : ""}]
    mar NewObj_Model_ID
}
proc sm {dia page type box text} {
    insert_StateMachineSymbol_into_Model $dia $page $type {*}$box $text
    mar NewObj_Model_ID
}

# A new model shown in the editor with every kind: returns a dict of IDs and
# a list "elements" of {id type box} for every symbol.
proc every_kind_model {{text "a first line far too long for the box\nsecond\nthird\nfourth\nfifth"}} {
    sdledit::new_model
    lassign [sdledit::current] sys sysPage
    set d [dict create sys $sys sysPage $sysPage]
    set elements {}
    foreach {type box} {TextSym {100 80 120 50} BlkInstRefSym {300 200 120 70}
                        BlkTypeRefSym {500 200 120 70}} {
        set id [sym $sys $sysPage $type $box $text]
        lappend elements [list $id $type $box]
        if {$type eq "BlkInstRefSym"} { dict set d block $id; dict set d blockDia $::ref }
    }
    set blockDia [dict get $d blockDia]
    set blockPage [first_page $blockDia]
    foreach {type box} {ProInstRefSym {120 120 120 70} ProTypeRefSym {320 120 120 70}
                        ProcedureInstRefSym {520 120 120 70}} {
        set id [sym $blockDia $blockPage $type $box $text]
        lappend elements [list $id $type $box]
        if {$type eq "ProInstRefSym"} { dict set d processDia $::ref }
    }
    insert_BidirecChannel_into_Model $sys $sysPage no_delay ENV [dict get $d block] \
        {80 235 300 235} cIn {150 215 40 14} {req} {150 240 60 14} "" {0 0 10 10} "" {0 0 10 10} "" {0 0 10 10}
    dict set d channel [mar NewObj_Model_ID]
    set pdia [dict get $d processDia]
    set ppage [first_page $pdia]
    set i 0
    foreach type $sdledit::smtypes {
        set box [list [expr {100 + ($i % 4) * 150}] [expr {80 + ($i / 4) * 120}] 110 50]
        lappend elements [list [sm $pdia $ppage $type $box $text] $type $box]
        incr i
    }
    set from [lindex $elements 6 0]
    set to [lindex $elements 7 0]
    insert_FlowLine_into_Model $pdia $ppage $from $to {155 130 155 200 305 200 305 80}
    dict set d flow [mar NewObj_Model_ID]
    set decision [lindex [lsearch -inline -index 1 $elements StateMaDecisionSym] 0]
    insert_DecisionFlowLine_into_Model $pdia $ppage $decision $from {255 250 255 280 155 280 155 180} yes {260 255 30 14}
    dict set d answer [mar NewObj_Model_ID]
    dict set d processPage $ppage
    dict set d blockPage $blockPage
    dict set d elements $elements
    sdledit::tree_refresh
    return $d
}

# The canvas items of the page: tags and coordinates of each.
proc snapshot {} {
    lmap item [$::c find all] { list [$::c gettags $item] [$::c coords $item] }
}

# Leaves the editor as it starts: a new model at actual size.
proc view_cleanup {} {
    sdledit::set_zoom 1
    sdledit::new_model
    set ::failures {}
}
