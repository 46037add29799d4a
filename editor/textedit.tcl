# Texts: the in-place multi-line editor over a symbol, a decision answer or a
# channel name; the channel properties dialog; small forms for page and
# diagram properties.

namespace eval ::sdledit::textedit {
    variable open {}     ;# {model ID, field, old text} while the editor is open
}

# OK and Cancel at the bottom of dialog D (content frame F), Return and
# Escape bound to them; the dialog is centred, modal and focused on the first
# entry. The choice arrives in ::sdledit::textedit::done.
proc ::sdledit::textedit::dialog_buttons {d f} {
    ttk::frame $f.b
    ttk::button $f.b.ok -text OK -default active -command [list set ::sdledit::textedit::done ok]
    ttk::button $f.b.cancel -text Cancel -command [list set ::sdledit::textedit::done cancel]
    pack $f.b.cancel $f.b.ok -side right -padx 4
    grid $f.b - -sticky e -pady {8 0}
    bind $d <Return> [list set ::sdledit::textedit::done ok]
    bind $d <Escape> [list set ::sdledit::textedit::done cancel]
    wm protocol $d WM_DELETE_WINDOW [list set ::sdledit::textedit::done cancel]
    ::tk::PlaceWindow $d widget .
    catch {grab $d}
    focus $f.e0
}

proc ::sdledit::textedit::widget {} { return [::sdledit::canvas].text }

# The field, text and box of the text of element ID that edits in place.
proc ::sdledit::textedit::target {id} {
    set r [::sdledit::edit::record $id]
    switch -- [dict get $r kind] {
        flowline {
            if {[dict get $r type] ne "decision"} { return "" }
            return [list answertext [dict get $r answer] [dict get $r apas]]
        }
        channel {
            lassign [dict get $r ChanName] text pas
            return [list ChanName $text $pas]
        }
        default {
            set field [expr {[::sdledit::undo::is_sm_kind [dict get $r kind]] ? "smtext" : "rectext"}]
            return [list $field [dict get $r text] [dict get $r pas]]
        }
    }
}

# Opens the editor on the text of element ID.
proc ::sdledit::textedit::open {id} {
    variable open
    commit
    set t [target $id]
    if {$t eq ""} return
    lassign $t field text pas
    lassign $pas x y w h
    set w [expr {max($w, 80)}]
    set h [expr {max($h, 36)}]
    set c [::sdledit::canvas]
    set e [widget]
    destroy $e
    text $e -wrap word -undo 1 -font TkDefaultFont -borderwidth 1 -relief solid \
        -highlightthickness 1 -highlightcolor #1060d0
    $e insert 1.0 $text
    $e tag add sel 1.0 end-1c
    lassign [::sdledit::to_canvas $x $y] cx cy
    set zoom [::sdledit::zoom]
    $c create window $cx $cy -anchor nw -window $e -tags textedit \
        -width [expr {$w * $zoom}] -height [expr {$h * $zoom}]
    set open [list $id $field $text]
    bind $e <Control-Return> {::sdledit::textedit::commit; break}
    bind $e <Control-KP_Enter> {::sdledit::textedit::commit; break}
    bind $e <Escape> {::sdledit::textedit::cancel; break}
    bind $e <FocusOut> {after idle ::sdledit::textedit::commit}
    focus $e
}

proc ::sdledit::textedit::open_selected {} {
    set sel [::sdledit::select::selection]
    if {[llength $sel] == 1} { open [lindex $sel 0] }
}

proc ::sdledit::textedit::close {} {
    variable open
    set open {}
    set c [::sdledit::canvas]
    $c delete textedit
    destroy [widget]
    focus $c
}

# Writes the edited text into the model as one action.
proc ::sdledit::textedit::commit {} {
    variable open
    if {$open eq "" || ![winfo exists [widget]]} { set open {}; return }
    lassign $open id field old
    set new [[widget] get 1.0 end-1c]
    close
    if {$new eq $old} return
    set lid [::sdledit::undo::L $id]
    if {$field eq "ChanName"} {
        set pas [lindex [dict get [::sdledit::edit::record $id] ChanName] 1]
        set step [list set ChanName $lid [list $old $pas] [list $new $pas]]
    } else {
        set step [list set $field $lid $old $new]
    }
    ::sdledit::edit::act "Edit text" [list $step]
    if {$field eq "rectext" && [::sdledit::edit::kind $id] in $::sdledit::edit::refkinds} {
        catch ::sdledit::tree_refresh
    }
}

proc ::sdledit::textedit::cancel {} {
    variable open
    if {$open eq ""} return
    close
}

# --- dialogs -------------------------------------------------------------------

# A modal form. FIELDS is a list of key, label, value triples; CHECK is
# "integer" when every value must be an integer, "name" when the values must
# not be empty. Returns a dict of the entered values, or "" on Cancel.
proc ::sdledit::textedit::form {title fields check} {
    set d .sdlform
    destroy $d
    toplevel $d
    wm title $d $title
    wm transient $d .
    set f [ttk::frame $d.f -padding 10]
    pack $f -fill both -expand 1
    set row 0
    foreach {key label value} $fields {
        set ::sdledit::textedit::V($key) $value
        ttk::label $f.l$row -text "$label:"
        ttk::entry $f.e$row -textvariable ::sdledit::textedit::V($key) -width 30
        grid $f.l$row $f.e$row -sticky w -pady 2 -padx 4
        incr row
    }
    ttk::label $f.msg -foreground #b00000 -text ""
    grid $f.msg - -sticky w
    dialog_buttons $d $f
    $f.e0 selection range 0 end
    while 1 {
        vwait ::sdledit::textedit::done
        if {$::sdledit::textedit::done ne "ok"} { destroy $d; return "" }
        set out {}
        set bad ""
        foreach {key label value} $fields {
            set v $::sdledit::textedit::V($key)
            if {$check eq "integer" && (![string is integer -strict [string trim $v]] || [string trim $v] < 0)} {
                set bad "$label must be a whole number of at least 0."
            } elseif {$check eq "name" && [string trim $v] eq ""} {
                set bad "$label must not be empty."
            }
            dict set out $key [expr {$check eq "integer" ? [string trim $v] : $v}]
        }
        if {$bad eq ""} { destroy $d; return $out }
        $f.msg configure -text $bad
    }
}

# The channel properties: name, signal lists, direction and delay.
proc ::sdledit::textedit::properties {id} {
    commit
    set r [::sdledit::edit::record $id]
    if {[dict get $r kind] ne "channel"} { open $id; return }
    set d .sdlchan
    destroy $d
    toplevel $d
    wm title $d "Channel properties"
    wm transient $d .
    set f [ttk::frame $d.f -padding 10]
    pack $f -fill both -expand 1
    variable P
    set row 0
    foreach {comp label} {ChanName Name ChanSourceSig "Signals from source"
                          ChanDestSig "Signals from destination"} {
        set P($comp) [lindex [dict get $r $comp] 0]
        ttk::label $f.l$row -text "$label:"
        ttk::entry $f.e$row -textvariable ::sdledit::textedit::P($comp) -width 34
        grid $f.l$row $f.e$row -sticky w -pady 2 -padx 4
        incr row
    }
    set P(dir) [dict get $r dir]
    set P(delay) [dict get $r delay]
    ttk::label $f.ld -text "Direction:"
    ttk::combobox $f.dir -state readonly -values {both from_source from_destination} \
        -textvariable ::sdledit::textedit::P(dir)
    ttk::checkbutton $f.delay -text "Delaying channel" -onvalue delay -offvalue no_delay \
        -variable ::sdledit::textedit::P(delay)
    grid $f.ld $f.dir -sticky w -pady 2 -padx 4
    grid x $f.delay -sticky w -pady 2 -padx 4
    dialog_buttons $d $f
    vwait ::sdledit::textedit::done
    destroy $d
    if {$::sdledit::textedit::done ne "ok"} return
    set lid [::sdledit::undo::L $id]
    set steps {}
    foreach comp {ChanName ChanSourceSig ChanDestSig} {
        lassign [dict get $r $comp] text pas
        if {$P($comp) ne $text} {
            lappend steps [list set $comp $lid [list $text $pas] [list $P($comp) $pas]]
        }
    }
    set old [list [dict get $r delay] [dict get $r dir]]
    if {[list $P(delay) $P(dir)] ne $old} {
        lappend steps [list set chantype $lid $old [list $P(delay) $P(dir)]]
    }
    ::sdledit::edit::act "Channel properties" $steps
}

proc ::sdledit::textedit::properties_selected {} {
    set sel [::sdledit::select::selection]
    if {[llength $sel] == 1} { properties [lindex $sel 0] }
}
