# Page rendering: reads one page of the model through the list commands and
# draws it on a canvas. Elements are drawn in model coordinates and then
# scaled by the zoom factor, so canvas = model * zoom. Every item of an
# element carries the tags id<ModelID> and kind:<TypeName>; symbols also
# carry "sym" (reference symbols "refsym"), channels and flow lines "conn",
# element texts "text", the page frame and its heading "frame".

namespace eval ::sdledit {
    variable symtypes {TextSym BlkInstRefSym BlkTypeRefSym ProInstRefSym ProTypeRefSym
                       ProcedureInstRefSym}
    variable smtypes {StateMaStartStateSym StateMaStateSym StateMaInputSym StateMaOutputSym
                      StateMaTaskSym StateMaDecisionSym StateMaConditionSym StateMaStopSym
                      StateMaCreateProSym StateMaCallProcedureSym
                      StateMaProcedureStartStateSym StateMaProcedureReturnSym}
    # Of the elements drawn on the main canvas: kind(ID) = type name,
    # "channel" or "flowline"; refdia(ID) = diagram a reference symbol opens.
    variable kind
    variable refdia
    array set kind {}
    array set refdia {}
    variable basesize 12
    # fonts(name) = line space of a font made by font_for; fitted: fit_text's
    # results by text and box.
    variable fonts
    variable fitted
    variable outlines
    variable fontat
    array set outlines {}
    array set fontat {}
    variable flowstyle {-fill #1f2a36 -width 1.2 -arrow last -arrowshape {9 10 4}}
    array set fonts {}
    array set fitted {}
}

# The font for element texts at ZOOM (created on first use).
proc ::sdledit::font_for {zoom {weight normal}} {
    variable fontat
    if {[info exists fontat($zoom,$weight)]} { return $fontat($zoom,$weight) }
    variable basesize
    variable fonts
    set px [expr {max(2, int(round($basesize * $zoom)))}]
    set name sdledit_f${px}_$weight
    if {![info exists fonts($name)]} {
        if {$name ni [font names]} {
            set family [expr {"DejaVu Sans" in [font families] ? "DejaVu Sans" : "Helvetica"}]
            font create $name -family $family -size -$px -weight $weight
        }
        set fonts($name) [font metrics $name -linespace]
    }
    return [set fontat($zoom,$weight) $name]
}

# TEXT cut to the lines and characters that fit into width x height (model
# units, measured with the unzoomed font); cut lines end with an ellipsis.
# Results are remembered: redrawing a page measures nothing again.
proc ::sdledit::fit_text {text width height} {
    variable fitted
    if {$text eq ""} { return "" }
    set key [list $text $width $height]
    if {[info exists fitted($key)]} { return $fitted($key) }
    if {[array size fitted] > 50000} { array unset fitted }
    set fitted($key) [fit_text_now $text $width $height]
}

proc ::sdledit::fit_text_now {text width height} {
    variable fonts
    set font [font_for 1.0]
    set linespace $fonts($font)
    set maxlines [expr {max(1, int($height / $linespace))}]
    set lines [split $text \n]
    set cut [expr {[llength $lines] > $maxlines}]
    if {$cut} { set lines [lrange $lines 0 [expr {$maxlines - 1}]] }
    # A line of n characters is at most n widest-letter widths wide.
    set widest [font measure $font W]
    set result {}
    foreach line $lines {
        if {[string length $line] * $widest > $width && [font measure $font $line] > $width} {
            while {[string length $line] > 0 && [font measure $font "$line\u2026"] > $width} {
                set line [string range $line 0 end-1]
            }
            append line \u2026
        }
        lappend result $line
    }
    if {$cut} { lset result end "[lindex $result end]\u2026" }
    return [join $result \n]
}

# Inner text box of a symbol kind: {dx dy width height} relative to its box.
proc ::sdledit::text_box {type w h} {
    switch -- $type {
        StateMaDecisionSym { return [list [expr {$w * 0.18}] [expr {$h * 0.2}] [expr {$w * 0.64}] [expr {$h * 0.6}]] }
        StateMaInputSym - StateMaOutputSym - StateMaConditionSym {
            return [list 14 2 [expr {$w - 28}] [expr {$h - 4}]]
        }
        StateMaStartStateSym - StateMaProcedureStartStateSym {
            set r [expr {min($h, $w) / 2.0}]
            return [list $r 2 [expr {$w - 2 * $r}] [expr {$h - 4}]]
        }
        StateMaStateSym { return [list [expr {$h / 4.0}] 2 [expr {$w - $h / 2.0}] [expr {$h - 4}]] }
        StateMaCreateProSym { return [list 4 8 [expr {$w - 8}] [expr {$h - 16}]] }
        StateMaCallProcedureSym - ProcedureInstRefSym { return [list 12 2 [expr {$w - 24}] [expr {$h - 4}]] }
        BlkTypeRefSym - ProTypeRefSym { return [list 8 6 [expr {$w - 16}] [expr {$h - 12}]] }
        TextSym { return [list 5 3 [expr {$w - 18}] [expr {$h - 6}]] }
        default { return [list 5 2 [expr {$w - 10}] [expr {$h - 4}]] }
    }
}

# The outline items of a symbol kind at size w x h, drawn at the origin:
# {itemType coords options ...} triples recorded from the outline procedure
# once per kind and size, then the text box. Drawing a symbol replays them
# and moves each item into place, which keeps large pages fast.
proc ::sdledit::outline {type w h} {
    variable outlines
    set key "$type $w $h"
    if {![info exists outlines($key)]} {
        variable recorded {}
        shape::$type ::sdledit::record_item 0 0 $w $h {}
        set outlines($key) [list $recorded [text_box $type $w $h]]
    }
    return $outlines($key)
}

# Stands in for a canvas while an outline is recorded.
proc ::sdledit::record_item {op type args} {
    variable recorded
    set coords {}
    while {[llength $args] && ![regexp {^-[a-z]} [lindex $args 0]]} {
        lappend coords {*}[lindex $args 0]
        set args [lrange $args 1 end]
    }
    dict unset args -tags
    lappend recorded $type $coords $args
}

# Draws one symbol (structure or state machine) from its listed data.
proc ::sdledit::draw_symbol {c zoom id type pas text} {
    lassign $pas x y w h
    set tags [list id$id kind:$type sym]
    if {$type in {BlkInstRefSym ProInstRefSym ProcedureInstRefSym}} { lappend tags refsym }
    lassign [outline $type $w $h] items box
    foreach {itemType coords options} $items {
        $c move [$c create $itemType $coords {*}$options -tags $tags] $x $y
    }
    if {$text eq "" || $type in {StateMaStopSym StateMaProcedureReturnSym}} return
    lassign $box dx dy tw th
    set shown [fit_text $text $tw $th]
    lappend tags text
    if {$type eq "TextSym"} {
        $c create text [expr {$x + $dx}] [expr {$y + $dy}] -text $shown -anchor nw -justify left \
            -font [font_for $zoom] -fill #1f2a36 -tags $tags
    } else {
        $c create text [expr {$x + $dx + $tw / 2.0}] [expr {$y + $dy + $th / 2.0}] -text $shown \
            -anchor center -justify center -font [font_for $zoom] -fill #1f2a36 -tags $tags
    }
}

# A coordinate list without a dangling last number.
proc ::sdledit::even {coords} {
    if {[llength $coords] % 2} { return [lrange $coords 0 end-1] }
    return $coords
}

# A filled arrowhead at (x, y) pointing in direction (ux, uy).
proc ::sdledit::arrowhead {c x y ux uy tags} {
    set len [expr {hypot($ux, $uy)}]
    if {$len == 0} return
    set ux [expr {$ux / $len}]; set uy [expr {$uy / $len}]
    set bx [expr {$x - 10 * $ux}]; set by [expr {$y - 10 * $uy}]
    $c create polygon $x $y [expr {$bx - 4 * $uy}] [expr {$by + 4 * $ux}] \
        [expr {$bx + 4 * $uy}] [expr {$by - 4 * $ux}] -fill #1f2a36 -outline #1f2a36 -tags $tags
}

# The point halfway along a polyline and the direction of its segment there.
proc ::sdledit::polyline_middle {coords} {
    set total 0.0
    foreach {x0 y0} [lrange $coords 0 end-2] {x1 y1} [lrange $coords 2 end] {
        if {$x1 eq ""} break
        set total [expr {$total + hypot($x1 - $x0, $y1 - $y0)}]
    }
    set half [expr {$total / 2.0}]
    set walked 0.0
    for {set i 0} {$i + 3 < [llength $coords]} {incr i 2} {
        lassign [lrange $coords $i [expr {$i + 3}]] x0 y0 x1 y1
        set seg [expr {hypot($x1 - $x0, $y1 - $y0)}]
        if {$walked + $seg >= $half && $seg > 0} {
            set t [expr {($half - $walked) / $seg}]
            return [list [expr {$x0 + $t * ($x1 - $x0)}] [expr {$y0 + $t * ($y1 - $y0)}] \
                [expr {$x1 - $x0}] [expr {$y1 - $y0}]]
        }
        set walked [expr {$walked + $seg}]
    }
    return [list [lindex $coords 0] [lindex $coords 1] 1 0]
}

# Draws a channel from the fields of "get_Channels_from_Model" (a dict).
proc ::sdledit::draw_channel {c zoom id ch} {
    set tags [list id$id kind:channel conn]
    set coords [even [dict get $ch Coords]]
    set direction [dict get $ch DirectionType]
    if {[llength $coords] >= 4} {
        set ends [dict get {both both from_source last from_destination first} $direction]
        if {[dict get $ch DelayType] eq "delay"} {
            $c create line $coords -fill #1f2a36 -width 1.5 -tags $tags
            lassign [polyline_middle $coords] mx my ux uy
            set len [expr {max(hypot($ux, $uy), 1e-9)}]
            set sx [expr {7 * $ux / $len}]; set sy [expr {7 * $uy / $len}]
            if {$direction eq "both"} {
                arrowhead $c [expr {$mx + $sx}] [expr {$my + $sy}] $ux $uy $tags
                arrowhead $c [expr {$mx - $sx}] [expr {$my - $sy}] [expr {-$ux}] [expr {-$uy}] $tags
            } elseif {$direction eq "from_destination"} {
                arrowhead $c $mx $my [expr {-$ux}] [expr {-$uy}] $tags
            } else {
                arrowhead $c $mx $my $ux $uy $tags
            }
        } else {
            $c create line $coords -fill #1f2a36 -width 1.5 -arrow $ends -arrowshape {10 10 4} \
                -tags [concat $tags chanarrows]
        }
    }
    set font [font_for $zoom]
    foreach {field pas format part} {
        NameContent NamePaS %s name
        SourceSigListContent SourceSigListPaS {[%s]} sourcesig
        DestSigListContent DestSigListPaS {[%s]} destsig
        SourceConContent SourceConPaS %s sourcecon
        DestConContent DestConPaS %s destcon
    } {
        set text [dict get $ch $field]
        if {$text eq ""} continue
        lassign [dict get $ch $pas] x y
        $c create text $x $y -text [format $format $text] -anchor nw -font $font \
            -fill [expr {$part eq "name" ? "#1f2a36" : "#2b5797"}] \
            -tags [list id$id kind:channel conn text chan:$part]
    }
}

# Draws a flow line; for a decision answer also its text at its position.
proc ::sdledit::draw_flowline {c zoom id coords type pas content} {
    set tags [list id$id kind:flowline conn]
    variable flowstyle
    set coords [even $coords]
    if {[llength $coords] >= 4} { $c create line $coords {*}$flowstyle -tags $tags }
    if {$type eq "decision"} {
        lassign $pas x y w h
        # An answer never placed (still at the origin) is shown beside the
        # middle of its line's first segment.
        if {$x == 0 && $y == 0 && [llength $coords] >= 4} {
            lassign $coords x0 y0 x1 y1
            set x [expr {($x0 + $x1) / 2.0 + 4}]
            set y [expr {($y0 + $y1) / 2.0 - $h}]
        }
        if {![regexp {^\s*\(.*\)\s*$} $content]} { set content "($content)" }
        $c create text $x [expr {$y + $h / 2.0}] -text $content -anchor w -font [font_for $zoom] \
            -fill #1f2a36 -tags [list id$id kind:flowline conn text answer]
    }
}

# Scales the items TAG drawn in model units by ZOOM, arrowheads included.
proc ::sdledit::zoom_items {c tag zoom} {
    variable flowstyle
    $c scale $tag 0 0 $zoom $zoom
    set z [expr {max(0.5, min(2.0, $zoom))}]
    $c itemconfigure "$tag && kind:flowline && !text" \
        -arrowshape [lmap v [dict get $flowstyle -arrowshape] {expr {$v * $z}}]
    $c itemconfigure "$tag && chanarrows" -arrowshape [lmap v {10 10 4} {expr {$v * $z}}]
}

# The page's width and height, at least one unit each.
proc ::sdledit::page_size {diagram page} {
    get_PageSize_from_Model $diagram $page
    return [list [expr {max(1, [mar PageWidth])}] [expr {max(1, [mar PageHeight])}]]
}

# The page sheet, its frame and the frame's heading.
proc ::sdledit::draw_page {c zoom diagram page} {
    lassign [page_size $diagram $page] w h
    get_PageFrameInfo_from_Model $diagram $page
    set frame [mar FramePaS]
    set heading [string trim "[mar HP_DiaType] [mtext HP_Name]"]
    set index [mar HP_Index]
    if {$c eq [canvas]} {
        $c create rectangle 4 4 [expr {$w + 4}] [expr {$h + 4}] -fill #aab2bd -outline "" -tags {page shadow}
    }
    $c create rectangle 0 0 $w $h -fill white -outline #8a949f -tags page
    lassign $frame fx fy fw fh
    $c create rectangle $fx $fy [expr {$fx + $fw}] [expr {$fy + $fh}] -outline #1f2a36 -width 1.5 \
        -tags {frame}
    $c create text [expr {$fx + 6}] [expr {$fy + 4}] -text $heading -anchor nw \
        -font [font_for $zoom bold] -fill #1f2a36 -tags {frame heading}
    $c create text [expr {$fx + $fw - 6}] [expr {$fy + 4}] -text $index -anchor ne \
        -font [font_for $zoom] -fill #1f2a36 -tags {frame heading}
    return [list $w $h $heading $index]
}

# Draws page PAGE of DIAGRAM on canvas C at ZOOM, replacing what was there.
# With RECORD, remembers each element's kind and referenced diagram.
proc ::sdledit::render {c diagram page zoom {record 0}} {
    variable symtypes
    variable smtypes
    variable kind
    variable refdia
    upvar #0 ::Vemra_MAR::arr_MAR a
    set unescape {a\\\{ \{ a\\\} \}}
    $c delete all
    if {$record} { array unset kind; array unset refdia }
    set info [draw_page $c $zoom $diagram $page]
    foreach type $symtypes {
        # A diagram kind that cannot hold a symbol kind refuses the query.
        if {[catch {get_Symbols_from_Model $type $diagram $page}]} continue
        set ids [mar IDs]
        foreach id $ids {
            draw_symbol $c $zoom $id $type [mar $id,PaS] [mtext $id,Text]
            if {$record} {
                set kind($id) $type
                if {[info exists ::Vemra_MAR::arr_MAR($id,RefDia_Model_ID)]} {
                    set refdia($id) [mar $id,RefDia_Model_ID]
                }
            }
        }
    }
    foreach type $smtypes {
        if {[catch {get_StateMachineSyms_from_Model $type $diagram $page}]} continue
        foreach id $a(IDs) {
            draw_symbol $c $zoom $id $type $a($id,PaS) [string map $unescape $a($id,Text)]
            if {$record} { set kind($id) $type }
        }
    }
    if {![catch {get_Channels_from_Model $diagram $page}]} {
        foreach id [mar IDs] {
            draw_channel $c $zoom $id [channel_fields $id]
            if {$record} { set kind($id) channel }
        }
    }
    if {![catch {get_FlowLines_from_Model $diagram $page}]} {
        variable flowstyle
        foreach id $a(IDs) {
            set n [llength $a($id,Coords)]
            if {$a($id,Type) eq "normal" && $n >= 4 && $n % 2 == 0} {
                $c create line $a($id,Coords) {*}$flowstyle -tags [list id$id kind:flowline conn]
            } else {
                draw_flowline_from_array $c $zoom $id
            }
            if {$record} { set kind($id) flowline }
        }
    }
    if {$zoom != 1.0} { zoom_items $c all $zoom }
    return $info
}

proc ::sdledit::channel_fields {id} {
    set ch {}
    foreach field {Coords Source_Model_ID Dest_Model_ID DirectionType DelayType
                   NamePaS SourceSigListPaS SourceConPaS DestSigListPaS DestConPaS} {
        dict set ch $field [mar $id,$field]
    }
    foreach field {NameContent SourceSigListContent SourceConContent DestSigListContent DestConContent} {
        dict set ch $field [mtext $id,$field]
    }
    return $ch
}

proc ::sdledit::draw_flowline_from_array {c zoom id} {
    upvar #0 ::Vemra_MAR::arr_MAR a
    if {$a($id,Type) eq "decision"} {
        draw_flowline $c $zoom $id $a($id,Coords) decision $a($id,PaS) [mtext $id,Content]
    } else {
        draw_flowline $c $zoom $id $a($id,Coords) normal {} {}
    }
}

# The scroll region: the page with a margin, centred in a larger window.
proc ::sdledit::fit_scrollregion {} {
    variable S
    set c $S(canvas)
    if {![info exists S(pagesize)] || $c eq ""} return
    lassign $S(pagesize) w h
    set region {}
    foreach size [list [expr {$w * $S(zoom)}] [expr {$h * $S(zoom)}]] view [list [winfo width $c] [winfo height $c]] {
        set m [expr {max(40, ($view - $size) / 2.0)}]
        lappend region [expr {-$m}] [expr {$size + $m}]
    }
    lassign $region x0 x1 y0 y1
    $c configure -scrollregion [list $x0 $y0 $x1 $y1]
}

# Redraws the current page on the editor's canvas from the model.
proc ::sdledit::redraw {} {
    variable S
    set c $S(canvas)
    if {$S(diagram) < 0 || $c eq ""} return
    lassign [render $c $S(diagram) $S(page) $S(zoom) 1] w h heading index
    set S(pagesize) [list $w $h]
    fit_scrollregion
    set S(header) $heading
    set p 1
    set n 1
    if {[regexp {^(\d+)\((\d+)\)$} $index -> p n]} {
        set S(pageinfo) "page $p of $n"
    } else {
        set S(pageinfo) $index
    }
    update_controls $p $n
}

# Page and Up buttons are usable only where they lead somewhere.
proc ::sdledit::update_controls {p n} {
    variable S
    if {![winfo exists .tb.up]} return
    get_System_Model_ID
    set top [expr {$S(diagram) == [mar System_Model_ID]}]
    .tb.up state [expr {$top ? "disabled" : "!disabled"}]
    foreach w {.tb.prev .body.right.pagebar.prev} { $w state [expr {$p > 1 ? "!disabled" : "disabled"}] }
    foreach w {.tb.next .body.right.pagebar.next} { $w state [expr {$p < $n ? "!disabled" : "disabled"}] }
}

# Draws element ID of the current page again from the model; when the model
# no longer holds it on this page, only its old items go.
proc ::sdledit::draw_element {id} {
    variable S
    variable kind
    variable refdia
    variable symtypes
    variable smtypes
    set c $S(canvas)
    lassign [list $S(diagram) $S(page) $S(zoom)] diagram page zoom
    $c delete id$id
    set candidates [concat $symtypes $smtypes channel flowline]
    if {[info exists kind($id)]} {
        set candidates [list $kind($id)]
        unset kind($id)
    }
    foreach type $candidates {
        switch -- $type {
            channel { set query [list get_Channels_from_Model $diagram $page] }
            flowline { set query [list get_FlowLines_from_Model $diagram $page] }
            default {
                if {$type in $symtypes} {
                    set query [list get_Symbols_from_Model $type $diagram $page]
                } else {
                    set query [list get_StateMachineSyms_from_Model $type $diagram $page]
                }
            }
        }
        if {[catch $query] || $id ni [mar IDs]} continue
        switch -- $type {
            channel { draw_channel $c $zoom $id [channel_fields $id] }
            flowline { draw_flowline_from_array $c $zoom $id }
            default {
                draw_symbol $c $zoom $id $type [mar $id,PaS] [mtext $id,Text]
                if {[info exists ::Vemra_MAR::arr_MAR($id,RefDia_Model_ID)]} {
                    set refdia($id) [mar $id,RefDia_Model_ID]
                }
            }
        }
        set kind($id) $type
        if {$zoom != 1.0} { zoom_items $c id$id $zoom }
        # Symbols stay below the lines that join them.
        if {$type ni {channel flowline} && [llength [$c find withtag conn]]} {
            $c lower id$id conn
        }
        return 1
    }
    return 0
}
