# Shared set-up of the editing tests: the real editor window under X, dialogs
# answered by the test, and mouse and keyboard helpers in model coordinates.
package require tcltest 2
namespace import -force ::tcltest::*
set here [file dirname [file normalize [info script]]]
set root [file dirname [file dirname $here]]
if {![info exists ::env(SDL_LIB_DIR)]} { set ::env(SDL_LIB_DIR) [file join $root build lib] }
lappend auto_path $::env(SDL_LIB_DIR)
if {[info commands ::sdledit::main] eq ""} { source [file join $root editor sdledit.tcl] }

set ::data [file join $here data]
set ::tmp [file join [expr {[info exists ::env(TMPDIR)] ? $::env(TMPDIR) : "/tmp"}] sdledit_tests_[pid]]
file mkdir $::tmp

# Failures the editor shows, and the answer the test gives to questions.
set ::shown {}
set ::answer yes
proc ::sdledit::report_error {title message} { lappend ::shown $title }
if {[info commands ::edit_real_messageBox] eq ""} {
    auto_load tk_messageBox
    rename ::tk_messageBox ::edit_real_messageBox
}
proc ::tk_messageBox {args} { return $::answer }
proc edit_cleanup {} {
    file delete -force $::tmp
    rename ::tk_messageBox {}
    rename ::edit_real_messageBox ::tk_messageBox
    cleanupTests
}

if {![winfo exists .menubar]} {
    sdledit::main
    wm geometry . 1200x860+0+0
}
after cancel $::sdledit::files::timer
sdledit::new_model
sdledit::set_zoom 1
sdledit::tool select
update
set ::c [sdledit::canvas]

# Window coordinates of the model point X Y.
proc win {x y} {
    lassign [sdledit::to_canvas $x $y] cx cy
    list [expr {round($cx - [$::c canvasx 0])}] [expr {round($cy - [$::c canvasy 0])}]
}
# Event times apart, so that clicks only make a double click when asked.
set ::time 1000
proc mouse {event x y args} {
    lassign [win $x $y] wx wy
    event generate $::c <$event> -x $wx -y $wy -time [incr ::time 1000] {*}$args
    update
}
proc click {x y} { mouse ButtonPress-1 $x $y; mouse ButtonRelease-1 $x $y }
proc drag {x0 y0 x1 y1} {
    mouse ButtonPress-1 $x0 $y0
    foreach f {0.3 0.6 1.0} {
        mouse B1-Motion [expr {$x0 + ($x1 - $x0) * $f}] [expr {$y0 + ($y1 - $y0) * $f}]
    }
    mouse ButtonRelease-1 $x1 $y1
}
proc key {w keysym args} { focus -force $w; event generate $w <KeyPress-$keysym> {*}$args; update }

# Types TEXT into the open text editor and commits with Ctrl+Enter.
proc type {text} {
    set e [sdledit::textedit::widget]
    foreach ch [split $text ""] {
        set k [expr {$ch eq " " ? "space" : $ch eq "\n" ? "Return" : $ch}]
        key $e $k
    }
    key $e Return -state 4
}

proc palette {name} {
    foreach b [winfo children [sdledit::palette_frame]] {
        if {[winfo class $b] eq "TRadiobutton" && [$b cget -value] eq $name} { $b invoke; return }
    }
    error "no palette entry $name"
}

# Places KIND at the centre X Y with TEXT; returns its model ID.
proc place {kind x y text} {
    palette $kind
    click $x $y
    type $text
    return [lindex [sdledit::select::selection] 0]
}

proc centre {id} {
    lassign [dict get [sdledit::edit::record $id] pas] x y w h
    list [expr {$x + $w / 2}] [expr {$y + $h / 2}]
}
proc connect {a b {answer ""}} {
    palette flowline
    drag {*}[centre $a] {*}[centre $b]
    if {$answer ne ""} { type $answer }
    palette select
    return [lindex [sdledit::select::selection] 0]
}

proc system_id {} { get_System_Model_ID; set ::Vemra_MAR::arr_MAR(System_Model_ID) }

# The whole model without its IDs: per diagram and page number the element
# records, with line ends named by their symbols' kind and box; sorted.
proc dump {} {
    set out {}
    dump_dia [system_id] out
    lsort $out
}
proc dump_dia {dia var} {
    upvar 1 $var out
    set n 0
    foreach p [sdledit::undo::page_ids $dia] {
        incr n
        set records [sdledit::undo::page_records $dia $p]
        foreach r $records {
            if {[dict exists $r pas]} { set name([dict get $r id]) [list [dict get $r kind] [dict get $r pas]] }
        }
        foreach r $records {
            foreach k {id dia page refdia} { dict unset r $k }
            foreach k {src dst} {
                if {[dict exists $r $k] && [info exists name([dict get $r $k])]} {
                    dict set r $k $name([dict get $r $k])
                }
            }
            lappend out [list [sdledit::undo::dia_kind $dia] $n $r]
        }
    }
    get_AllReferencedDiagrams_from_Model $dia
    foreach child $::Vemra_MAR::arr_MAR(IDs) { dump_dia $child out }
}

# Opens the diagram of the reference symbol ID by double-clicking it.
proc open_ref {id} {
    lassign [centre $id] x y
    click $x $y
    incr ::time -1900
    click $x $y
}

proc undo_all {} {
    while {[llength $::sdledit::undo::done] && ![llength $::shown]} { key $::c z -state 4 }
}
proc redo_all {} {
    while {[llength $::sdledit::undo::undone] && ![llength $::shown]} { key $::c y -state 4 }
}

# 1 when the editor's index of the page equals the page read afresh.
proc index_ok {} {
    set norm {apply {idx { lsort -stride 2 -index 0 [dict map {k r} $idx {lsort -stride 2 -index 0 $r}] }}}
    set kept [{*}$norm $::sdledit::edit::index]
    sdledit::edit::reindex
    expr {$kept eq [{*}$norm $::sdledit::edit::index]}
}
