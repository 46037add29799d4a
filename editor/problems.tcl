# Tools: checking the model, generating SDL/PR and the problems panel that
# lists the findings and leads to each one in the drawing.

namespace eval ::sdledit::problems {
    variable findings {}     ;# the findings shown, in panel order
    variable layout false    ;# "true" for the nested SDL/PR layout
    variable target ""
    variable current ""      ;# the panel entry last led to
}

proc ::sdledit::problems::tree {} { return [::sdledit::bottom_frame].problems.tv }

proc ::sdledit::problems::build {} {
    set f [ttk::frame [::sdledit::bottom_frame].problems]
    ttk::label $f.title -text "Problems" -font TkHeadingFont
    ttk::label $f.summary -textvariable ::sdledit::problems::summary
    set tv [ttk::treeview $f.tv -columns {severity rule message location} -show headings \
        -height 5 -selectmode browse -yscrollcommand [list $f.sb set]]
    ttk::scrollbar $f.sb -orient vertical -command [list $tv yview]
    foreach {col text width} {severity Severity 70 rule Rule 170 message Message 420 location Location 260} {
        $tv heading $col -text $text -anchor w
        $tv column $col -width $width -stretch [expr {$col eq "message"}]
    }
    $tv tag configure error -foreground #b00000
    $tv tag configure warning -foreground #8a5a00
    grid $f.title $f.summary -sticky w -padx 4
    grid $tv - $f.sb -sticky nsew
    grid columnconfigure $f 1 -weight 1
    pack $f -fill both -expand 1
    bind $tv <<TreeviewSelect>> ::sdledit::problems::selected
    bind $tv <Return> {::sdledit::problems::selected 1}
}

# Lists FINDINGS (dicts with rule, severity, diagram, path, page,
# page_number, element, kind and message) in the panel.
proc ::sdledit::problems::show {list} {
    variable findings $list
    variable summary
    variable current ""
    set tv [tree]
    if {![winfo exists $tv]} return
    $tv delete [$tv children {}]
    set counts [dict create error 0 warning 0]
    set i 0
    foreach f $list {
        set sev [dict get $f severity]
        dict incr counts $sev
        set where [dict get $f path]
        if {[dict exists $f page_number] && [dict get $f page_number] ne ""} {
            append where ", page [dict get $f page_number]"
        }
        $tv insert {} end -id f$i -tags $sev \
            -values [list $sev [dict get $f rule] [dict get $f message] $where]
        incr i
    }
    set summary "[dict get $counts error] errors, [dict get $counts warning] warnings"
}

# Leads to the selected finding; selection events for the entry the editor
# selected itself are left alone, Return (AGAIN 1) always leads there.
proc ::sdledit::problems::selected {{again 0}} {
    variable findings
    variable current
    set item [lindex [[tree] selection] 0]
    if {$item eq "" || ($item eq $current && !$again)} return
    set current $item
    go [lindex $findings [string range $item 1 end]]
}

# Opens the diagram and page of finding F, selects and flashes its element.
proc ::sdledit::problems::go {f} {
    set dia [dict get $f diagram]
    if {$dia < 0} return
    set page [expr {[dict exists $f page] ? [dict get $f page] : ""}]
    if {$page eq "" || $page < 0} { set page [lindex [::sdledit::undo::page_ids $dia] 0] }
    if {[list $dia $page] ne [::sdledit::current]} {
        if {[catch {::sdledit::show $dia $page} err]} {
            ::sdledit::report_error "Problem" $err
            return
        }
    }
    set id [expr {[dict exists $f element] ? [dict get $f element] : ""}]
    if {$id ne "" && [dict exists $::sdledit::edit::index $id]} {
        ::sdledit::select::set_selection [list $id]
        ::sdledit::flash $id
    }
}

# Runs the checker; returns its findings ("" when there is no checker).
proc ::sdledit::problems::check {} {
    ::sdledit::textedit::commit
    if {[info commands ::sdl::check] eq ""} {
        ::sdledit::status "The model checker is not available."
        return ""
    }
    if {[catch {::sdl::check} list]} {
        ::sdledit::report_error "Check failed" $list
        return ""
    }
    show $list
    variable summary
    ::sdledit::status "Check: $summary"
    return $list
}

# Writes the SDL/PR of the model to PATH (NESTED "true" for the nested
# layout) after a check. A generation error is listed in the panel and shown
# in the drawing. Returns 1 on success.
proc ::sdledit::problems::generate {path nested} {
    set findings [check]
    set errors 0
    foreach f $findings { if {[dict get $f severity] eq "error"} { incr errors } }
    if {$errors && [tk_messageBox -parent . -icon warning -type yesno -default no -title "Generate SDL/PR" \
            -message "The check found $errors errors. Generate the SDL/PR anyway?"] ne "yes"} {
        return 0
    }
    variable failure {}
    set reason [::sdledit::files::safe_write $path [list ::sdledit::problems::write_pr $nested]]
    if {$reason eq ""} {
        ::sdledit::status "SDL/PR written to [file tail $path]"
        return 1
    }
    if {$failure ne ""} { show_failure $findings $failure }
    ::sdledit::report_error "SDL/PR generation failed" $reason
    return 0
}

proc ::sdledit::problems::write_pr {nested tmp} {
    variable failure
    if {[catch {save_SDL_PR_in_File $tmp $nested} err]} { return $err }
    set a ::Vemra_MAR::arr_MAR
    if {[set ${a}(GeneratingPR_State)] eq "OK"} { return "" }
    set type [set ${a}(ErrorType)]
    if {![info exists ${a}(Symbol_ID)]} { return "the generator stopped ($type)" }
    set failure [stop_finding $type [set ${a}(Symbol_ID)] [set ${a}(Page_ID)] [set ${a}(Diagram_ID)] \
        "SDL/PR generation stopped at this symbol ($type)"]
    return "the generator stopped at a symbol of [dict get $failure path] ($type)"
}

# The finding for a writer that stopped at SYMBOL on PAGE of DIA.
proc ::sdledit::problems::stop_finding {type symbol page dia message} {
    set pages [::sdledit::undo::page_ids $dia]
    set path [expr {[catch {::sdledit::diagram_path $dia} p] || $p eq "" ? $dia : $p}]
    return [dict create rule $type severity error diagram $dia path $path \
        page $page page_number [expr {[lsearch $pages $page] + 1}] element $symbol kind "" \
        message $message]
}

# Shows FINDING as the last entry of the panel, selected, and leads to it.
proc ::sdledit::problems::show_failure {findings failure} {
    variable current
    show [concat $findings [list $failure]]
    set current f[llength $findings]
    [tree] selection set $current
    go $failure
}

# --- SDL/PR for other tools --------------------------------------------------

# Diagram and page of each element of IDS that lies on a page, as a dict
# ID -> {diagram page}: one walk through the diagrams that ends when all are
# found.
proc ::sdledit::problems::locate {ids} {
    set found {}
    get_System_Model_ID
    set stack [list $::Vemra_MAR::arr_MAR(System_Model_ID)]
    while {[llength $stack] && [dict size $found] < [llength $ids]} {
        set dia [lindex $stack end]
        set stack [lrange $stack 0 end-1]
        foreach page [::sdledit::undo::page_ids $dia] {
            foreach r [::sdledit::undo::page_records $dia $page] {
                if {[dict get $r id] in $ids} { dict set found [dict get $r id] [list $dia $page] }
            }
        }
        get_AllReferencedDiagrams_from_Model $dia
        lappend stack {*}$::Vemra_MAR::arr_MAR(IDs)
    }
    return $found
}

# The warnings of the export ("KIND ID: text") as findings of rule "export".
proc ::sdledit::problems::export_findings {warnings} {
    set ids {}
    foreach w $warnings {
        if {[regexp {^(\w+) (\d+): } $w -> kind id] && $kind ne "diagram"} { lappend ids $id }
    }
    set where [expr {[llength $ids] ? [locate $ids] : {}}]
    set out {}
    foreach w $warnings {
        set f [dict create rule export severity warning diagram -1 path "" page -1 page_number "" \
            element 0 kind "" message $w]
        if {[regexp {^(\w+) (\d+): (.*)$} $w -> kind id text]} {
            dict set f message $text
            if {$kind eq "diagram"} {
                dict set f diagram $id
            } elseif {[dict exists $where $id]} {
                lassign [dict get $where $id] dia page
                dict set f diagram $dia
                dict set f page $page
                dict set f page_number [expr {[lsearch [::sdledit::undo::page_ids $dia] $page] + 1}]
                dict set f element $id
                dict set f kind $kind
            }
            if {[dict get $f diagram] >= 0} {
                dict set f path [expr {[catch {::sdledit::diagram_path [dict get $f diagram]} p] ? "" : $p}]
            }
        }
        lappend out $f
    }
    return $out
}

# Writes the model as SDL-92 with CIF layout to PATH. The warnings go to
# the problems panel; an export that stops at a symbol is listed there and
# shown in the drawing. Returns 1 on success.
proc ::sdledit::problems::export_pr {path} {
    ::sdledit::textedit::commit
    if {[info commands ::sdl::export_pr] eq ""} {
        ::sdledit::report_error "Export failed" "This library cannot export SDL/PR for other tools."
        return 0
    }
    if {[catch {::sdl::export_pr $path} warnings options]} {
        set code [dict get $options -errorcode]
        if {[lrange $code 0 1] eq {SDL EXPORT} && [llength $code] == 6} {
            lassign $code - - type symbol page dia
            show_failure {} [stop_finding $type $symbol $page $dia "the export stopped at this symbol ($type)"]
        }
        ::sdledit::report_error "Export failed" $warnings
        return 0
    }
    show [export_findings $warnings]
    set n [llength $warnings]
    set noun [expr {$n == 1 ? "warning" : "warnings"}]
    ::sdledit::status "SDL/PR for other tools written to [file tail $path] ($n $noun)"
    return 1
}

proc ::sdledit::problems::export_dialog {} {
    set file $::sdledit::S(file)
    set path [tk_getSaveFile -parent . -title "Export SDL/PR for other tools" -defaultextension .pr \
        -initialdir [expr {$file eq "" ? [pwd] : [file dirname $file]}] \
        -initialfile [expr {$file eq "" ? "model.pr" : "[file tail [file rootname $file]].pr"}] \
        -filetypes {{{SDL/PR} {.pr}} {{All files} *}}]
    if {$path ne ""} { export_pr $path }
}

proc ::sdledit::problems::generate_dialog {} {
    variable layout
    variable target
    if {$target eq ""} {
        set file $::sdledit::S(file)
        set target [expr {$file eq "" ? [file join [pwd] model.pr] : "[file rootname $file].pr"}]
    }
    set d .sdlgen
    destroy $d
    toplevel $d
    wm title $d "Generate SDL/PR"
    wm transient $d .
    set f [ttk::frame $d.f -padding 10]
    pack $f -fill both -expand 1
    ttk::label $f.ll -text "Layout:"
    ttk::radiobutton $f.ref -text "Referenced (one definition after the other)" \
        -variable ::sdledit::problems::layout -value false
    ttk::radiobutton $f.nest -text "Nested (definitions inside their parents)" \
        -variable ::sdledit::problems::layout -value true
    ttk::label $f.lt -text "File:"
    ttk::entry $f.target -textvariable ::sdledit::problems::target -width 44
    ttk::button $f.browse -text "Browse..." -command {
        set p [tk_getSaveFile -parent .sdlgen -defaultextension .pr \
            -initialfile [file tail $::sdledit::problems::target] \
            -initialdir [file dirname $::sdledit::problems::target]]
        if {$p ne ""} { set ::sdledit::problems::target $p }
    }
    grid $f.ll $f.ref - -sticky w -pady 2
    grid x $f.nest - -sticky w -pady 2
    grid $f.lt $f.target $f.browse -sticky w -pady 2 -padx 2
    ttk::frame $f.b
    ttk::button $f.b.ok -text Generate -default active -command {set ::sdledit::problems::done ok}
    ttk::button $f.b.cancel -text Cancel -command {set ::sdledit::problems::done cancel}
    pack $f.b.cancel $f.b.ok -side right -padx 4
    grid $f.b - - -sticky e -pady {8 0}
    bind $d <Return> {set ::sdledit::problems::done ok}
    bind $d <Escape> {set ::sdledit::problems::done cancel}
    wm protocol $d WM_DELETE_WINDOW {set ::sdledit::problems::done cancel}
    ::tk::PlaceWindow $d widget .
    catch {grab $d}
    focus $f.target
    vwait ::sdledit::problems::done
    destroy $d
    if {$::sdledit::problems::done eq "ok" && $target ne ""} { generate $target $layout }
}

::sdledit::on ui {apply {args {
    set m .menubar.tools
    $m add command -label "Check" -underline 0 -accelerator F7 -command ::sdledit::problems::check
    $m add command -label "Generate SDL/PR..." -underline 0 -accelerator F9 \
        -command ::sdledit::problems::generate_dialog
    if {[winfo exists .tb]} {
        ttk::separator .tb.sepcheck -orient vertical
        ttk::button .tb.check -text "Check" -command ::sdledit::problems::check -style Toolbutton
        tooltip::tooltip .tb.check "Check the model and list its problems (F7)"
        pack .tb.sepcheck -side left -fill y -padx 4
        pack .tb.check -side left -padx 1
    }
    bind . <F7> {::sdledit::key ::sdledit::problems::check}
    bind . <F9> {::sdledit::key ::sdledit::problems::generate_dialog}
    set m .menubar.file.export
    $m add separator
    $m add command -label "SDL/PR for other tools..." -underline 0 -command ::sdledit::problems::export_dialog
    ::sdledit::problems::build
}}}
