# SDL/GR outlines. Each outline procedure is named after the Tcl type name of
# its kind and draws the symbol inside its position-and-size box (model
# coordinates) on canvas C with the given item tags. Curves are polygons with
# explicit points, so the PostScript and SVG exports draw them exactly.

namespace eval ::sdledit::shape {
    variable line #1f2a36
    # Fill colours by kind: one family for structure, one for transitions.
    variable fill
    array set fill {
        TextSym #ffffff BlkInstRefSym #eef4fb BlkTypeRefSym #eef4fb
        ProInstRefSym #eef8ef ProTypeRefSym #eef8ef ProcedureInstRefSym #f6f0fa
        StateMaStartStateSym #fff6dc StateMaStateSym #fff6dc
        StateMaInputSym #e8f1fc StateMaOutputSym #e9f7ea StateMaTaskSym #ffffff
        StateMaDecisionSym #fdeee6 StateMaConditionSym #fdeee6 StateMaStopSym #ffffff
        StateMaCreateProSym #ffffff StateMaCallProcedureSym #f6f0fa
        StateMaProcedureStartStateSym #f6f0fa StateMaProcedureReturnSym #f6f0fa
    }
}

# Points of an elliptic arc around (cx, cy) from angle a0 to a1 (degrees,
# counter-clockwise from the positive x axis, y pointing down) in n steps.
proc ::sdledit::shape::arc {cx cy rx ry a0 a1 n} {
    set points {}
    for {set i 0} {$i <= $n} {incr i} {
        set a [expr {($a0 + ($a1 - $a0) * $i / double($n)) * 0.017453292519943295}]
        lappend points [expr {$cx + $rx * cos($a)}] [expr {$cy - $ry * sin($a)}]
    }
    return $points
}

proc ::sdledit::shape::poly {c points type tags} {
    variable line
    variable fill
    $c create polygon $points -fill $fill($type) -outline $line -width 1.2 -tags $tags
}

proc ::sdledit::shape::rect {c x0 y0 x1 y1 type tags} {
    variable line
    variable fill
    $c create rectangle $x0 $y0 $x1 $y1 -fill $fill($type) -outline $line -width 1.2 -tags $tags
}

proc ::sdledit::shape::stroke {c tags args} {
    variable line
    $c create line {*}$args -fill $line -width 1.2 -tags $tags
}

# --- structure symbols -------------------------------------------------------

proc ::sdledit::shape::TextSym {c x y w h tags} {
    set f [expr {min(10, $w / 4.0, $h / 4.0)}]
    set x1 [expr {$x + $w}]; set y1 [expr {$y + $h}]
    poly $c [list $x $y [expr {$x1 - $f}] $y $x1 [expr {$y + $f}] $x1 $y1 $x $y1] TextSym $tags
    stroke $c $tags [expr {$x1 - $f}] $y [expr {$x1 - $f}] [expr {$y + $f}] $x1 [expr {$y + $f}]
}

proc ::sdledit::shape::BlkInstRefSym {c x y w h tags} {
    rect $c $x $y [expr {$x + $w}] [expr {$y + $h}] BlkInstRefSym $tags
}

proc ::sdledit::shape::BlkTypeRefSym {c x y w h tags} {
    set d [expr {max(3, min(0.06 * $w, $h / 5.0))}]
    rect $c $x $y [expr {$x + $w}] [expr {$y + $h}] BlkTypeRefSym $tags
    rect $c [expr {$x + $d}] [expr {$y + $d}] [expr {$x + $w - $d}] [expr {$y + $h - $d}] BlkTypeRefSym $tags
}

proc ::sdledit::shape::octagon {x y w h b} {
    set x1 [expr {$x + $w}]; set y1 [expr {$y + $h}]
    return [list [expr {$x + $b}] $y [expr {$x1 - $b}] $y $x1 [expr {$y + $b}] $x1 [expr {$y1 - $b}] \
        [expr {$x1 - $b}] $y1 [expr {$x + $b}] $y1 $x [expr {$y1 - $b}] $x [expr {$y + $b}]]
}

proc ::sdledit::shape::ProInstRefSym {c x y w h tags} {
    set b [expr {min(7, $w / 4.0, $h / 4.0)}]
    poly $c [octagon $x $y $w $h $b] ProInstRefSym $tags
}

proc ::sdledit::shape::ProTypeRefSym {c x y w h tags} {
    set b [expr {min(7, $w / 4.0, $h / 4.0)}]
    set d [expr {max(3, min(0.06 * $w, $h / 5.0))}]
    poly $c [octagon $x $y $w $h $b] ProTypeRefSym $tags
    poly $c [octagon [expr {$x + $d}] [expr {$y + $d}] [expr {$w - 2 * $d}] [expr {$h - 2 * $d}] \
        [expr {max(1, $b - $d / 2.0)}]] ProTypeRefSym $tags
}

proc ::sdledit::shape::ProcedureInstRefSym {c x y w h tags} {
    set b [expr {min(10, $w / 5.0, $h / 2.0)}]
    set x1 [expr {$x + $w}]; set y1 [expr {$y + $h}]
    poly $c [list $x $y $x1 $y [expr {$x1 - $b}] [expr {$y + $h / 2.0}] $x1 $y1 $x $y1 \
        [expr {$x + $b}] [expr {$y + $h / 2.0}]] ProcedureInstRefSym $tags
    stroke $c $tags [expr {$x + $b}] $y [expr {$x + $b}] $y1
    stroke $c $tags [expr {$x1 - $b}] $y [expr {$x1 - $b}] $y1
}

# --- state-machine symbols -----------------------------------------------------

# The start outline: a rectangle with fully rounded ends.
proc ::sdledit::shape::stadium {x y w h} {
    set r [expr {min($h / 2.0, $w / 2.0)}]
    set cy [expr {$y + $h / 2.0}]
    return [concat [arc [expr {$x + $w - $r}] $cy $r [expr {$h / 2.0}] 90 -90 12] \
                   [arc [expr {$x + $r}] $cy $r [expr {$h / 2.0}] 270 90 12]]
}

proc ::sdledit::shape::StateMaStartStateSym {c x y w h tags} {
    poly $c [stadium $x $y $w $h] StateMaStartStateSym $tags
}

proc ::sdledit::shape::StateMaStateSym {c x y w h tags} {
    set r [expr {min($h / 4.0, $w / 4.0)}]
    set cy [expr {$y + $h / 2.0}]
    # The sides bulge outwards within the box: straight top and bottom, the
    # arcs' extreme points on the box's left and right edges.
    set points [concat [arc [expr {$x + $w - $r}] $cy $r [expr {$h / 2.0}] 90 -90 10] \
                       [arc [expr {$x + $r}] $cy $r [expr {$h / 2.0}] 270 90 10]]
    poly $c $points StateMaStateSym $tags
}

proc ::sdledit::shape::StateMaInputSym {c x y w h tags} {
    set d [expr {min(12, 0.1 * $w + 2)}]
    set x1 [expr {$x + $w}]; set y1 [expr {$y + $h}]
    poly $c [list $x $y $x1 $y [expr {$x1 - $d}] [expr {$y + $h / 2.0}] $x1 $y1 $x $y1] \
        StateMaInputSym $tags
}

proc ::sdledit::shape::StateMaOutputSym {c x y w h tags} {
    set d [expr {min(12, 0.1 * $w + 2)}]
    set x1 [expr {$x + $w}]; set y1 [expr {$y + $h}]
    poly $c [list $x $y [expr {$x1 - $d}] $y $x1 [expr {$y + $h / 2.0}] [expr {$x1 - $d}] $y1 $x $y1] \
        StateMaOutputSym $tags
}

proc ::sdledit::shape::StateMaTaskSym {c x y w h tags} {
    rect $c $x $y [expr {$x + $w}] [expr {$y + $h}] StateMaTaskSym $tags
}

proc ::sdledit::shape::StateMaDecisionSym {c x y w h tags} {
    set mx [expr {$x + $w / 2.0}]; set my [expr {$y + $h / 2.0}]
    poly $c [list $mx $y [expr {$x + $w}] $my $mx [expr {$y + $h}] $x $my] StateMaDecisionSym $tags
}

proc ::sdledit::shape::StateMaConditionSym {c x y w h tags} {
    set d [expr {min(12, $w / 4.0)}]
    set x1 [expr {$x + $w}]; set y1 [expr {$y + $h}]; set my [expr {$y + $h / 2.0}]
    poly $c [list [expr {$x + $d}] $y [expr {$x1 - $d}] $y $x1 $my [expr {$x1 - $d}] $y1 \
        [expr {$x + $d}] $y1 $x $my] StateMaConditionSym $tags
}

# The stop symbol is an X; an invisible rectangle keeps the box clickable.
proc ::sdledit::shape::StateMaStopSym {c x y w h tags} {
    set i [expr {min(4, $w / 8.0, $h / 8.0)}]
    set x0 [expr {$x + $i}]; set y0 [expr {$y + $i}]
    set x1 [expr {$x + $w - $i}]; set y1 [expr {$y + $h - $i}]
    $c create rectangle $x $y [expr {$x + $w}] [expr {$y + $h}] -fill "" -outline "" -tags $tags
    $c create line $x0 $y0 $x1 $y1 -fill $::sdledit::shape::line -width 2 -tags $tags
    $c create line $x0 $y1 $x1 $y0 -fill $::sdledit::shape::line -width 2 -tags $tags
}

proc ::sdledit::shape::StateMaCreateProSym {c x y w h tags} {
    set d [expr {min(7, $h / 4.0)}]
    set x1 [expr {$x + $w}]; set y1 [expr {$y + $h}]
    rect $c $x $y $x1 $y1 StateMaCreateProSym $tags
    stroke $c $tags $x [expr {$y + $d}] $x1 [expr {$y + $d}]
    stroke $c $tags $x [expr {$y1 - $d}] $x1 [expr {$y1 - $d}]
}

proc ::sdledit::shape::StateMaCallProcedureSym {c x y w h tags} {
    set d [expr {min(7, $w / 6.0)}]
    set x1 [expr {$x + $w}]; set y1 [expr {$y + $h}]
    rect $c $x $y $x1 $y1 StateMaCallProcedureSym $tags
    stroke $c $tags [expr {$x + $d}] $y [expr {$x + $d}] $y1
    stroke $c $tags [expr {$x1 - $d}] $y [expr {$x1 - $d}] $y1
}

proc ::sdledit::shape::StateMaProcedureStartStateSym {c x y w h tags} {
    poly $c [stadium $x $y $w $h] StateMaProcedureStartStateSym $tags
    set r [expr {min($h / 2.0, $w / 2.0)}]
    set i [expr {$h / 6.0}]
    stroke $c $tags [expr {$x + $r}] [expr {$y + $i}] [expr {$x + $r}] [expr {$y + $h - $i}]
    stroke $c $tags [expr {$x + $w - $r}] [expr {$y + $i}] [expr {$x + $w - $r}] [expr {$y + $h - $i}]
}

proc ::sdledit::shape::StateMaProcedureReturnSym {c x y w h tags} {
    set d [expr {min($w, $h)}]
    set x0 [expr {$x + ($w - $d) / 2.0}]; set y0 [expr {$y + ($h - $d) / 2.0}]
    variable fill
    $c create oval $x0 $y0 [expr {$x0 + $d}] [expr {$y0 + $d}] \
        -fill $fill(StateMaProcedureReturnSym) -outline $::sdledit::shape::line -width 1.2 -tags $tags
    set a [expr {0.15 * $d}]; set b [expr {0.85 * $d}]
    stroke $c $tags [expr {$x0 + $a}] [expr {$y0 + $a}] [expr {$x0 + $b}] [expr {$y0 + $b}]
    stroke $c $tags [expr {$x0 + $a}] [expr {$y0 + $b}] [expr {$x0 + $b}] [expr {$y0 + $a}]
}
