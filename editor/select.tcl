# Selecting with click, Shift+click and rubber band; moving by dragging and
# by the arrow keys; resizing by the handles. The model changes once, when
# the mouse button is released.

namespace eval ::sdledit::select {
    variable drag {}     ;# what the pressed button does: dict with mode, start, ...
    variable handle 4    ;# half the size of a resize handle, in canvas units
}

proc ::sdledit::select::selection {} { return $::sdledit::edit::sel }

proc ::sdledit::select::set_selection {ids} {
    set ::sdledit::edit::sel [lsort -unique $ids]
    show_marks
    set n [llength $ids]
    set ::sdledit::S(selection) [expr {$n == 0 ? "" : $n == 1 ? "1 element selected" : "$n elements selected"}]
}

proc ::sdledit::select::toggle {id} {
    set sel [selection]
    if {$id in $sel} {
        set_selection [lsearch -all -inline -not -exact $sel $id]
    } else {
        set_selection [concat $sel $id]
    }
}

proc ::sdledit::select::all {} {
    set_selection [dict keys $::sdledit::edit::index]
}

# Draws the selection: a dashed box with four handles round each symbol and
# a highlighted copy of each selected line.
proc ::sdledit::select::show_marks {} {
    variable handle
    set c [::sdledit::canvas]
    if {$c eq "" || ![winfo exists $c]} return
    $c delete selmark
    foreach id [selection] {
        if {![dict exists $::sdledit::edit::index $id]} continue
        set r [::sdledit::edit::record $id]
        if {[dict exists $r pas]} {
            lassign [dict get $r pas] x y w h
            lassign [::sdledit::to_canvas $x $y] x1 y1
            lassign [::sdledit::to_canvas [expr {$x + $w}] [expr {$y + $h}]] x2 y2
            $c create rectangle [expr {$x1 - 2}] [expr {$y1 - 2}] [expr {$x2 + 2}] [expr {$y2 + 2}] \
                -outline #1060d0 -dash {3 2} -tags selmark
            foreach {corner hx hy} [list nw $x1 $y1 ne $x2 $y1 sw $x1 $y2 se $x2 $y2] {
                $c create rectangle [expr {$hx - $handle}] [expr {$hy - $handle}] \
                    [expr {$hx + $handle}] [expr {$hy + $handle}] -fill #1060d0 -outline white \
                    -tags [list selmark handle h:$id:$corner]
            }
        } else {
            set pts {}
            foreach {x y} [dict get $r coords] { lappend pts {*}[::sdledit::to_canvas $x $y] }
            if {[llength $pts] >= 4} {
                $c create line $pts -fill #1060d0 -width 3 -dash {6 3} -tags selmark
            }
        }
    }
}

# --- mouse -------------------------------------------------------------------

proc ::sdledit::select::press {w x y shift} {
    variable drag
    focus $w
    ::sdledit::textedit::commit
    set cx [$w canvasx $x]
    set cy [$w canvasy $y]
    set tool $::sdledit::edit::tool
    set drag [dict create mode none start [list $cx $cy] last [list $cx $cy]]
    switch -- $tool {
        select {}
        flowline - channel {
            dict set drag mode $tool
            ::sdledit::connect::press $tool $cx $cy
            return
        }
        default {
            lassign [::sdledit::to_model $cx $cy] mx my
            ::sdledit::tool select
            ::sdledit::edit::place $tool $mx $my
            return
        }
    }
    foreach item [$w find overlapping $cx $cy $cx $cy] {
        foreach tag [$w gettags $item] {
            if {[regexp {^h:(-?\d+):(\w+)$} $tag -> id corner]} {
                dict set drag mode resize
                dict set drag id $id
                dict set drag corner $corner
                return
            }
        }
    }
    set id [::sdledit::edit::element_at $cx $cy]
    if {$id eq ""} {
        if {!$shift} { set_selection {} }
        dict set drag mode band
    } elseif {$shift} {
        toggle $id
    } else {
        if {$id ni [selection]} { set_selection [list $id] }
        dict set drag mode move
    }
}

proc ::sdledit::select::motion {w x y} {
    variable drag
    if {$drag eq ""} return
    set cx [$w canvasx $x]
    set cy [$w canvasy $y]
    lassign [dict get $drag start] sx sy
    lassign [dict get $drag last] lx ly
    switch -- [dict get $drag mode] {
        flowline - channel { ::sdledit::connect::motion $cx $cy }
        move {
            if {![dict exists $drag moving] && abs($cx - $sx) < 3 && abs($cy - $sy) < 3} return
            dict set drag moving 1
            foreach id [selection] { $w move id$id [expr {$cx - $lx}] [expr {$cy - $ly}] }
            $w move selmark [expr {$cx - $lx}] [expr {$cy - $ly}]
            dict set drag last [list $cx $cy]
            preview_lines $w [expr {($cx - $sx) / [::sdledit::zoom]}] [expr {($cy - $sy) / [::sdledit::zoom]}]
        }
        band - resize {
            $w delete rubber
            if {[dict get $drag mode] eq "resize"} {
                lassign [resized_box [dict get $drag id] [dict get $drag corner] $cx $cy] bx by bw bh
                lassign [::sdledit::to_canvas $bx $by] sx sy
                lassign [::sdledit::to_canvas [expr {$bx + $bw}] [expr {$by + $bh}]] cx cy
            }
            $w create rectangle $sx $sy $cx $cy -outline #1060d0 -dash {4 2} -tags rubber
        }
    }
}

proc ::sdledit::select::release {w x y} {
    variable drag
    if {$drag eq ""} return
    set d $drag
    set drag {}
    set cx [$w canvasx $x]
    set cy [$w canvasy $y]
    $w delete rubber
    lassign [dict get $d start] sx sy
    switch -- [dict get $d mode] {
        flowline - channel { ::sdledit::connect::release [dict get $d mode] $cx $cy }
        move {
            if {![dict exists $d moving]} return
            lassign [::sdledit::to_model $sx $sy] x0 y0
            lassign [::sdledit::to_model $cx $cy] x1 y1
            drag_moved [expr {$x1 - $x0}] [expr {$y1 - $y0}]
        }
        band {
            lassign [::sdledit::to_model [expr {min($sx, $cx)}] [expr {min($sy, $cy)}]] x0 y0
            lassign [::sdledit::to_model [expr {max($sx, $cx)}] [expr {max($sy, $cy)}]] x1 y1
            set ids [selection]
            dict for {id r} $::sdledit::edit::index {
                if {[inside $r $x0 $y0 $x1 $y1]} { lappend ids $id }
            }
            set_selection $ids
        }
        resize {
            set id [dict get $d id]
            set box [resized_box $id [dict get $d corner] $cx $cy]
            set r [::sdledit::edit::record $id]
            if {$box ne [dict get $r pas]} {
                lassign $box x y
                lassign [dict get $r pas] ox oy
                set_boxes "Resize" [dict create $id $box] [expr {$x - $ox}] [expr {$y - $oy}] 0
            }
        }
    }
}

# While dragging: the lines attached to the moving symbols are shown along
# the routes they will get, dashed, in place of their drawn items.
proc ::sdledit::select::preview_lines {w dx dy} {
    set dx [expr {int(round($dx))}]
    set dy [expr {int(round($dy))}]
    set boxes {}
    foreach id [selection] {
        set r [::sdledit::edit::record $id]
        if {![dict exists $r pas]} continue
        lassign [dict get $r pas] x y bw bh
        dict set boxes $id [list [expr {$x + $dx}] [expr {$y + $dy}] $bw $bh]
    }
    $w delete preview
    foreach step [::sdledit::connect::follow_steps $boxes $dx $dy] {
        lassign $step verb field lid old new
        if {$field ni {flowcoords chancoords}} continue
        set id [::sdledit::undo::C $lid]
        $w itemconfigure id$id -state hidden
        set pts {}
        foreach {x y} $new { lappend pts {*}[::sdledit::to_canvas $x $y] }
        $w create line $pts -fill #1060d0 -dash {4 2} -arrow last -tags {rubber preview}
    }
}

proc ::sdledit::select::inside {r x0 y0 x1 y1} {
    if {[dict exists $r pas]} {
        lassign [dict get $r pas] x y w h
        set pts [list $x $y [expr {$x + $w}] [expr {$y + $h}]]
    } else {
        set pts [dict get $r coords]
    }
    foreach {x y} $pts {
        if {$x < $x0 || $x > $x1 || $y < $y0 || $y > $y1} { return 0 }
    }
    return 1
}

# The box of symbol ID when its CORNER handle is dragged to CX CY.
proc ::sdledit::select::resized_box {id corner cx cy} {
    lassign [dict get [::sdledit::edit::record $id] pas] x y w h
    lassign [::sdledit::to_model $cx $cy] px py
    set px [::sdledit::edit::snapped $px]
    set py [::sdledit::edit::snapped $py]
    set x2 [expr {$x + $w}]
    set y2 [expr {$y + $h}]
    if {[string match *w $corner]} { set x [expr {min($px, $x2 - 20)}] } else { set x2 [expr {max($px, $x + 20)}] }
    if {[string match n* $corner]} { set y [expr {min($py, $y2 - 20)}] } else { set y2 [expr {max($py, $y + 20)}] }
    return [list $x $y [expr {$x2 - $x}] [expr {$y2 - $y}]]
}

# A drag of the selection by DX DY model units; the first symbol lands on
# the grid.
proc ::sdledit::select::drag_moved {dx dy} {
    foreach id [selection] {
        set r [::sdledit::edit::record $id]
        if {[dict exists $r pas]} {
            lassign [dict get $r pas] x y
            set dx [expr {[::sdledit::edit::snapped [expr {$x + $dx}]] - $x}]
            set dy [expr {[::sdledit::edit::snapped [expr {$y + $dy}]] - $y}]
            break
        }
    }
    move_by $dx $dy "Move"
}

proc ::sdledit::select::nudge {dx dy {fine 0}} {
    if {![llength [selection]]} return
    set step [expr {$::sdledit::edit::snap && !$fine ? $::sdledit::edit::grid : 1}]
    move_by [expr {$dx * $step}] [expr {$dy * $step}] "Nudge"
}

# Moves the selection by DX DY in one action; lines attached to moved
# symbols follow.
proc ::sdledit::select::move_by {dx dy label} {
    if {$dx == 0 && $dy == 0} { ::sdledit::edit::refresh; return }
    set boxes {}
    foreach id [selection] {
        set r [::sdledit::edit::record $id]
        if {[dict exists $r pas]} {
            lassign [dict get $r pas] x y w h
            dict set boxes $id [list [expr {$x + $dx}] [expr {$y + $dy}] $w $h]
        }
    }
    set_boxes $label $boxes $dx $dy 1
}

# Gives the symbols in BOXES their new boxes, shifts the selected lines
# (when SHIFTLINES) and lets the attached lines follow, as one action.
proc ::sdledit::select::set_boxes {label boxes dx dy shiftlines} {
    set steps {}
    set lines {}
    dict for {id box} $boxes {
        set r [::sdledit::edit::record $id]
        set field [expr {[::sdledit::undo::is_sm_kind [dict get $r kind]] ? "smpas" : "recpas"}]
        lappend steps [list set $field [::sdledit::undo::L $id] [dict get $r pas] $box]
    }
    if {$shiftlines} {
        foreach id [selection] {
            if {![::sdledit::edit::is_line $id]} continue
            set r [::sdledit::edit::record $id]
            # A selected line with an end at a symbol that stays is routed
            # by follow_steps instead.
            set whole 1
            foreach key {src dst} {
                set e [dict get $r $key]
                if {$e ne "ENV" && ![dict exists $boxes $e]} { set whole 0 }
            }
            if {!$whole && [llength [dict keys $boxes]]} continue
            lappend lines $id
            lappend steps {*}[::sdledit::connect::line_steps $r 1 {} $dx $dy]
        }
    }
    lappend steps {*}[::sdledit::connect::follow_steps $boxes $dx $dy $lines]
    ::sdledit::edit::act $label $steps
}

# --- keyboard and menus --------------------------------------------------------

proc ::sdledit::select::escape {} {
    variable drag
    set drag {}
    [::sdledit::canvas] delete rubber
    ::sdledit::tool select
    set_selection {}
    ::sdledit::edit::refresh
}

proc ::sdledit::select::context {w x y X Y} {
    set cx [$w canvasx $x]
    set cy [$w canvasy $y]
    set id [::sdledit::edit::element_at $cx $cy]
    if {$id ne "" && $id ni [selection]} { set_selection [list $id] }
    set m .sdlcontext
    destroy $m
    menu $m -tearoff 0
    if {$id ne ""} {
        set kind [::sdledit::edit::kind $id]
        $m add command -label "Edit text" -accelerator F2 -command [list ::sdledit::textedit::open $id]
        if {$kind eq "channel"} {
            $m add command -label "Properties..." -accelerator Alt+Enter \
                -command [list ::sdledit::textedit::properties $id]
        }
        if {$kind in $::sdledit::edit::refkinds} {
            set r [::sdledit::edit::record $id]
            lassign [::sdledit::current] dia
            $m add command -label "Open diagram" \
                -command [list ::sdledit::show [dict get $r refdia] \
                              [lindex [::sdledit::undo::page_ids [dict get $r refdia]] 0]]
        }
        $m add separator
        $m add command -label "Cut" -accelerator Ctrl+X -command ::sdledit::clipboard::cut
        $m add command -label "Copy" -accelerator Ctrl+C -command ::sdledit::clipboard::copy
        $m add command -label "Delete" -accelerator Del \
            -command {::sdledit::edit::delete [::sdledit::select::selection]}
    } else {
        $m add command -label "Paste" -accelerator Ctrl+V -command ::sdledit::clipboard::paste
        $m add command -label "Select all" -accelerator Ctrl+A -command ::sdledit::select::all
        $m add separator
        $m add command -label "Add page" -command ::sdledit::edit::add_page
        $m add command -label "Page size and frame..." -command ::sdledit::edit::page_setup
    }
    tk_popup $m $X $Y
}

proc ::sdledit::select::double {w x y} {
    set id [::sdledit::edit::element_at [$w canvasx $x] [$w canvasy $y]]
    if {$id eq "" || [::sdledit::edit::kind $id] in $::sdledit::edit::refkinds} return
    ::sdledit::textedit::open $id
    return -code break
}

# Puts the editing bindings in front of the canvas's own.
proc ::sdledit::select::install {} {
    set c [::sdledit::canvas]
    bindtags $c [linsert [bindtags $c] 0 SdlEdit]
    bind SdlEdit <ButtonPress-1> {::sdledit::select::press %W %x %y 0}
    bind SdlEdit <Shift-ButtonPress-1> {::sdledit::select::press %W %x %y 1}
    bind SdlEdit <B1-Motion> {::sdledit::select::motion %W %x %y}
    bind SdlEdit <ButtonRelease-1> {::sdledit::select::release %W %x %y}
    bind SdlEdit <Double-Button-1> {::sdledit::select::double %W %x %y}
    bind SdlEdit <ButtonPress-3> {::sdledit::select::context %W %x %y %X %Y}
    bind SdlEdit <Delete> {::sdledit::edit::delete [::sdledit::select::selection]}
    bind SdlEdit <Escape> ::sdledit::select::escape
    bind SdlEdit <F2> {::sdledit::textedit::open_selected}
    bind SdlEdit <Alt-Return> {::sdledit::textedit::properties_selected}
    foreach {key dx dy} {Left -1 0 Right 1 0 Up 0 -1 Down 0 1} {
        bind SdlEdit <Key-$key> "::sdledit::select::nudge $dx $dy; break"
        bind SdlEdit <Shift-Key-$key> "::sdledit::select::nudge $dx $dy 1; break"
    }
    foreach proc {redraw draw_element} {
        if {[info commands ::sdledit::$proc] ne ""} {
            trace add execution ::sdledit::$proc leave {apply {args ::sdledit::select::show_marks}}
        }
    }
}
