# Flow lines and channels: drawing them with the mouse, their orthogonal
# routes, and keeping their ends at their symbols when symbols move.

namespace eval ::sdledit::connect {
    variable from ""      ;# {symbol ID or ENV, canvas x, canvas y} while dragging
    variable margin 12    ;# how near the frame a press counts as the frame (ENV)
}

proc ::sdledit::connect::mid {a b} { return [expr {($a + $b) / 2}] }

# Orthogonal route of a flow line from the bottom of box A to the top of box
# B; when B is not below A the line goes round on the right.
proc ::sdledit::connect::route_flow {a b} {
    lassign $a ax ay aw ah
    lassign $b bx by bw bh
    set x1 [expr {$ax + $aw / 2}]
    set y1 [expr {$ay + $ah}]
    set x2 [expr {$bx + $bw / 2}]
    set y2 $by
    if {$y2 >= $y1 + 10} {
        if {$x1 == $x2} { return [list $x1 $y1 $x2 $y2] }
        set ym [mid $y1 $y2]
        return [list $x1 $y1 $x1 $ym $x2 $ym $x2 $y2]
    }
    set xs [expr {max($ax + $aw, $bx + $bw) + 20}]
    return [list $x1 $y1 $x1 [expr {$y1 + 10}] $xs [expr {$y1 + 10}] \
        $xs [expr {$y2 - 10}] $x2 [expr {$y2 - 10}] $x2 $y2]
}

# Route of a channel between two boxes, leaving by the sides that face each
# other. An end that is the environment is given as {ENV frame}: the channel
# then runs to the frame edge nearest to the other box.
proc ::sdledit::connect::route_chan {a b} {
    if {[lindex $a 0] eq "ENV"} {
        set r [route_chan $b $a]
        set out {}
        foreach {x y} [lreverse $r] { lappend out $y $x }
        return $out
    }
    lassign $a ax ay aw ah
    set acx [expr {$ax + $aw / 2}]
    set acy [expr {$ay + $ah / 2}]
    if {[lindex $b 0] eq "ENV"} {
        lassign [lindex $b 1] fx fy fw fh
        set d [dict create left [expr {$acx - $fx}] right [expr {$fx + $fw - $acx}] \
            top [expr {$acy - $fy}] bottom [expr {$fy + $fh - $acy}]]
        set side [lindex [lsort -integer -stride 2 -index 1 $d] 0]
        switch -- $side {
            left   { return [list $ax $acy $fx $acy] }
            right  { return [list [expr {$ax + $aw}] $acy [expr {$fx + $fw}] $acy] }
            top    { return [list $acx $ay $acx $fy] }
            bottom { return [list $acx [expr {$ay + $ah}] $acx [expr {$fy + $fh}]] }
        }
    }
    lassign $b bx by bw bh
    set bcx [expr {$bx + $bw / 2}]
    set bcy [expr {$by + $bh / 2}]
    if {abs($bcx - $acx) >= abs($bcy - $acy)} {
        if {$bcx >= $acx} {
            set x1 [expr {$ax + $aw}]; set x2 $bx
        } else {
            set x1 $ax; set x2 [expr {$bx + $bw}]
        }
        if {$acy == $bcy} { return [list $x1 $acy $x2 $bcy] }
        set xm [mid $x1 $x2]
        return [list $x1 $acy $xm $acy $xm $bcy $x2 $bcy]
    }
    if {$bcy >= $acy} {
        set y1 [expr {$ay + $ah}]; set y2 $by
    } else {
        set y1 $ay; set y2 [expr {$by + $bh}]
    }
    if {$acx == $bcx} { return [list $acx $y1 $bcx $y2] }
    set ym [mid $y1 $y2]
    return [list $acx $y1 $acx $ym $bcx $ym $bcx $y2]
}

proc ::sdledit::connect::frame {} {
    lassign [::sdledit::current] dia page
    get_PageFrameInfo_from_Model $dia $page
    return [::sdledit::mar FramePaS]
}

# The end of a channel at model point X Y: a block or process reference,
# ENV at or outside the frame, or "".
proc ::sdledit::connect::chan_end_at {x y} {
    variable margin
    set id [::sdledit::edit::symbol_at $x $y]
    if {$id ne ""} {
        return [expr {[::sdledit::edit::kind $id] in {BlkInstRefSym ProInstRefSym} ? $id : ""}]
    }
    lassign [frame] fx fy fw fh
    if {$x < $fx + $margin || $x > $fx + $fw - $margin
            || $y < $fy + $margin || $y > $fy + $fh - $margin} {
        return ENV
    }
    return ""
}

proc ::sdledit::connect::box {end} {
    if {$end eq "ENV"} { return [list ENV [frame]] }
    return [dict get [::sdledit::edit::record $end] pas]
}

proc ::sdledit::connect::press {mode cx cy} {
    variable from
    lassign [::sdledit::to_model $cx $cy] x y
    if {$mode eq "flowline"} {
        set end [::sdledit::edit::symbol_at $x $y]
        if {$end ne "" && [::sdledit::undo::is_sm_kind [::sdledit::edit::kind $end]]} {
            set from [list $end $cx $cy]
        }
    } else {
        set end [chan_end_at $x $y]
        if {$end ne ""} { set from [list $end $cx $cy] }
    }
}

proc ::sdledit::connect::motion {cx cy} {
    variable from
    if {$from eq ""} return
    set c [::sdledit::canvas]
    $c delete rubber
    $c create line [lindex $from 1] [lindex $from 2] $cx $cy -dash {4 2} -fill #1060d0 -tags rubber
}

proc ::sdledit::connect::release {mode cx cy} {
    variable from
    [::sdledit::canvas] delete rubber
    if {$from eq ""} return
    set src [lindex $from 0]
    set from ""
    lassign [::sdledit::to_model $cx $cy] x y
    if {$mode eq "flowline"} {
        set dst [::sdledit::edit::symbol_at $x $y]
        if {$dst eq "" || $dst == $src || ![::sdledit::undo::is_sm_kind [::sdledit::edit::kind $dst]]} return
        return [add_flow $src $dst]
    }
    set dst [chan_end_at $x $y]
    if {$dst eq "" || $dst eq $src || ($src eq "ENV" && $dst eq "ENV")} return
    return [add_channel $src $dst]
}

proc ::sdledit::connect::add_flow {src dst} {
    lassign [::sdledit::current] dia page
    set coords [route_flow [box $src] [box $dst]]
    set r [dict create kind flowline id "" dia [::sdledit::undo::L $dia] page [::sdledit::undo::L $page] \
        src [::sdledit::undo::L $src] dst [::sdledit::undo::L $dst] coords $coords type normal]
    set decision [expr {[::sdledit::edit::kind $src] eq "StateMaDecisionSym"}]
    if {$decision} {
        dict set r type decision
        dict set r answer ""
        dict set r apas [answer_pas $coords]
    }
    set ran [::sdledit::edit::act "Connect" [list [list create $r]]]
    if {$ran eq ""} return
    set id [::sdledit::undo::C [dict get [lindex $ran 0 1] id]]
    ::sdledit::select::set_selection [list $id]
    if {$decision} { ::sdledit::textedit::open $id }
    return $id
}

# The answer of a decision flow line sits where its last segment starts,
# so that the answers of one decision do not cover each other.
proc ::sdledit::connect::answer_pas {coords} {
    set x [lindex $coords end-3]
    set y [lindex $coords end-2]
    return [list [expr {$x + 4}] [expr {$y + 2}] 60 16]
}

proc ::sdledit::connect::add_channel {src dst} {
    lassign [::sdledit::current] dia page
    set coords [route_chan [box $src] [box $dst]]
    set n [expr {[llength $coords] / 4 * 2}]
    set mx [lindex $coords $n-2]
    set my [lindex $coords $n-1]
    set r [dict create kind channel id "" dia [::sdledit::undo::L $dia] page [::sdledit::undo::L $page] \
        src [::sdledit::undo::L $src] dst [::sdledit::undo::L $dst] coords $coords \
        dir both delay no_delay \
        ChanName [list "" [list [expr {$mx + 4}] [expr {$my - 34}] 80 14]] \
        ChanSourceSig [list "" [list [expr {$mx + 4}] [expr {$my - 18}] 100 14]] \
        ChanSourceCon [list "" [list [lindex $coords 0] [lindex $coords 1] 10 10]] \
        ChanDestSig [list "" [list [expr {$mx + 4}] [expr {$my + 4}] 100 14]] \
        ChanDestCon [list "" [list [lindex $coords end-1] [lindex $coords end] 10 10]]]
    set ran [::sdledit::edit::act "Connect" [list [list create $r]]]
    if {$ran eq ""} return
    set id [::sdledit::undo::C [dict get [lindex $ran 0 1] id]]
    ::sdledit::select::set_selection [list $id]
    ::sdledit::textedit::open $id
    return $id
}

proc ::sdledit::connect::shifted {list dx dy} {
    set out {}
    foreach {x y} $list { lappend out [expr {$x + $dx}] [expr {$y + $dy}] }
    return $out
}

# Steps that keep the lines of the page attached when the symbols in BOXES
# (model ID -> new box) move by DX DY: a line whose both ends move is shifted
# whole, a line with one moving end gets a new route.
proc ::sdledit::connect::follow_steps {boxes dx dy {skip {}}} {
    set steps {}
    foreach id [::sdledit::edit::attached [dict keys $boxes]] {
        if {$id in $skip} continue
        set r [::sdledit::edit::record $id]
        set ends {}
        set moving 0
        foreach key {src dst} {
            set e [dict get $r $key]
            if {[dict exists $boxes $e]} {
                incr moving
                lappend ends [dict get $boxes $e]
            } elseif {$e eq "ENV"} {
                lappend ends [list ENV [frame]]
            } else {
                lappend ends [box $e]
            }
        }
        lappend steps {*}[line_steps $r [expr {$moving == 2}] $ends $dx $dy]
    }
    return $steps
}

# Steps that shift line R by DX DY (WHOLE) or route it between ENDS.
proc ::sdledit::connect::line_steps {r whole ends dx dy} {
    set id [dict get $r id]
    set lid [::sdledit::undo::L $id]
    set old [dict get $r coords]
    set steps {}
    if {[dict get $r kind] eq "flowline"} {
        set new [expr {$whole ? [shifted $old $dx $dy] : [route_flow {*}$ends]}]
        lappend steps [list set flowcoords $lid $old $new]
        if {[dict get $r type] eq "decision"} {
            set apas [dict get $r apas]
            lassign $apas ax ay aw ah
            set napas [expr {$whole ? [list [expr {$ax + $dx}] [expr {$ay + $dy}] $aw $ah]
                                    : [lreplace [answer_pas $new] 2 3 $aw $ah]}]
            if {$napas ne $apas} { lappend steps [list set answerpas $lid $apas $napas] }
        }
    } else {
        set new [expr {$whole ? [shifted $old $dx $dy] : [route_chan {*}$ends]}]
        lappend steps [list set chancoords $lid $old $new]
        if {$whole} {
            foreach comp {ChanName ChanSourceSig ChanSourceCon ChanDestSig ChanDestCon} {
                lassign [dict get $r $comp] text pas
                lassign $pas px py pw ph
                lappend steps [list set $comp $lid [list $text $pas] \
                    [list $text [list [expr {$px + $dx}] [expr {$py + $dy}] $pw $ph]]]
            }
        }
    }
    if {[lindex $steps 0 3] eq [lindex $steps 0 4]} { set steps [lrange $steps 1 end] }
    return $steps
}
