# The palette: the tools and the element kinds that the shown diagram takes.

namespace eval ::sdledit::palette {
    variable labels {
        select "Select" flowline "Flow line" channel "Channel"
        TextSym "Text" BlkInstRefSym "Block" BlkTypeRefSym "Block type"
        ProInstRefSym "Process" ProTypeRefSym "Process type"
        ProcedureInstRefSym "Procedure"
        StateMaStartStateSym "Start" StateMaStateSym "State" StateMaInputSym "Input"
        StateMaOutputSym "Output" StateMaTaskSym "Task" StateMaDecisionSym "Decision"
        StateMaConditionSym "Condition" StateMaStopSym "Stop"
        StateMaCreateProSym "Create" StateMaCallProcedureSym "Procedure call"
        StateMaProcedureStartStateSym "Procedure start"
        StateMaProcedureReturnSym "Return"
    }
    variable tips {
        select "Select, move and resize elements (Esc)"
        flowline "Flow line: press on a symbol, release on the next one"
        channel "Channel: press on a reference symbol or the frame, release on the other end"
    }
    variable transitions {
        StateMaStateSym StateMaInputSym StateMaOutputSym StateMaTaskSym
        StateMaDecisionSym StateMaConditionSym StateMaCreateProSym
        StateMaCallProcedureSym
    }
    variable shown {}     ;# the entries of the palette as built
}

proc ::sdledit::palette::label {name} {
    variable labels
    if {[dict exists $labels $name]} { return [dict get $labels $name] }
    return $name
}

# The element kinds offered in a diagram of kind DIATYPE.
proc ::sdledit::palette::kinds_for {diatype} {
    variable transitions
    switch -- $diatype {
        SysDia { return {TextSym BlkInstRefSym BlkTypeRefSym} }
        BlkDia - BlkTypeDia {
            return {TextSym BlkInstRefSym ProInstRefSym ProTypeRefSym ProcedureInstRefSym}
        }
        ProDia - ProTypeDia {
            return [concat StateMaStartStateSym $transitions StateMaStopSym TextSym ProcedureInstRefSym]
        }
        ProcedureDia {
            return [concat StateMaProcedureStartStateSym $transitions StateMaProcedureReturnSym \
                TextSym ProcedureInstRefSym]
        }
    }
    return {}
}

proc ::sdledit::palette::kinds {} {
    lassign [::sdledit::current] dia
    if {$dia < 0} { return {} }
    return [kinds_for [::sdledit::undo::dia_kind $dia]]
}

proc ::sdledit::palette::tools {} {
    set kinds [kinds]
    set line [expr {"TextSym" in $kinds && "StateMaTaskSym" ni $kinds ? "channel" : "flowline"}]
    return [concat select $line $kinds]
}

# Builds the palette buttons for the shown diagram.
proc ::sdledit::palette::update_buttons {} {
    variable shown
    set f [::sdledit::palette_frame]
    if {![winfo exists $f]} return
    set tools [tools]
    if {$tools ne $shown} {
        set shown $tools
        foreach w [winfo children $f] { destroy $w }
        # As wide as the longest label of any diagram, so that the page
        # does not shift sideways when another kind of diagram is shown.
        variable labels
        set widest [tcl::mathfunc::max {*}[lmap {k text} $labels {font measure TkDefaultFont $text}]]
        grid columnconfigure $f 1 -minsize [expr {$widest + 16}]
        set i 0
        foreach name $tools {
            set b [ttk::radiobutton $f.b$i -text [label $name] -style Toolbutton \
                -variable ::sdledit::edit::tool -value $name -command [list ::sdledit::tool $name]]
            set icon [icon $f.i$i $name]
            bind $icon <Button-1> [list $b invoke]
            grid $icon $b -sticky we -padx 2 -pady 1
            tooltip::tooltip $b [tip $name]
            tooltip::tooltip $icon [tip $name]
            incr i
        }
    }
    if {$::sdledit::edit::tool ni $tools} { set ::sdledit::edit::tool select }
}

# A small picture of the entry: the kind's own outline, or a line.
proc ::sdledit::palette::icon {w name} {
    canvas $w -width 34 -height 22 -highlightthickness 0 -background [ttk::style lookup . -background]
    switch -- $name {
        select   { $w create polygon 12 3 12 19 16 15 20 21 22 20 18 14 23 13 -fill #1f2a36 }
        flowline { $w create line 17 2 17 20 -arrow last -fill #1f2a36 }
        channel  { $w create line 3 11 31 11 -arrow both -fill #1f2a36 }
        default {
            if {[info commands ::sdledit::shape::$name] ne ""} {
                ::sdledit::shape::$name $w 3 3 28 16 icon
            }
        }
    }
    return $w
}

proc ::sdledit::palette::tip {name} {
    variable tips
    if {[dict exists $tips $name]} { return [dict get $tips $name] }
    return "[label $name]: click on the page to place one"
}

::sdledit::on ui {apply {args { ::sdledit::select::install }}}
