# The editor's window: menus, toolbar, diagram tree, canvas, page bar,
# status bar and zoom, plus the small services the other scripts share
# (result array access, hooks, coordinates, the current file and page).

namespace eval ::sdledit {
    # S(diagram) S(page): the page shown; S(zoom): canvas units per model unit;
    # S(file): the model file ("" for a new model); S(canvas): canvas path.
    variable S
    array set S {diagram -1 page -1 zoom 1.0 file "" canvas "" built 0
                 pointer "" selection "" message "" pageinfo "" header ""
                 zoomtext "100 %"}
    variable hooks
    array set hooks {}
    variable zoomsteps {0.25 0.33 0.5 0.67 0.75 1.0 1.25 1.5 2.0 3.0 4.0}
}

# --- result array ----------------------------------------------------------

# The value of KEY in the result array of the last command.
proc ::sdledit::mar {key} {
    return $::Vemra_MAR::arr_MAR($key)
}

# A model text as the user wrote it: undoes the brace escaping of the
# result array ("a\{" for "{", "a\}" for "}").
proc ::sdledit::mtext {key} {
    return [string map {a\\\{ \{ a\\\} \}} $::Vemra_MAR::arr_MAR($key)]
}

# --- hooks -----------------------------------------------------------------

proc ::sdledit::on {event script} {
    variable hooks
    lappend hooks($event) $script
}

# Runs every script registered for EVENT with ARGS appended; an error in one
# is reported on stderr and does not stop the others.
proc ::sdledit::fire {event args} {
    variable hooks
    if {![info exists hooks($event)]} return
    foreach script $hooks($event) {
        if {[catch {uplevel #0 $script $args} err]} {
            puts stderr "sdledit: $event hook failed: $err"
        }
    }
}

# --- shared state ----------------------------------------------------------

proc ::sdledit::canvas {} { variable S; return $S(canvas) }
proc ::sdledit::current {} { variable S; return [list $S(diagram) $S(page)] }
proc ::sdledit::zoom {} { variable S; return $S(zoom) }
proc ::sdledit::palette_frame {} { return .body.right.palette }
proc ::sdledit::bottom_frame {} { return .body.right.bottom }

proc ::sdledit::to_model {cx cy} {
    variable S
    return [list [expr {int(round($cx / $S(zoom)))}] [expr {int(round($cy / $S(zoom)))}]]
}
proc ::sdledit::to_canvas {x y} {
    variable S
    return [list [expr {$x * $S(zoom)}] [expr {$y * $S(zoom)}]]
}

# Asked before New, Open and Quit replace the model; the editing scripts
# redefine it to offer saving unsaved changes.
proc ::sdledit::can_discard {} { return 1 }

proc ::sdledit::set_file {path} {
    variable S
    set S(file) $path
    title_update
}

proc ::sdledit::title_update {} {
    variable S
    set name [expr {$S(file) eq "" ? "Untitled" : [file tail $S(file)]}]
    if {[winfo exists .]} { wm title . "$name - sdledit" }
}

# Shows a failure to the user; the tests replace it to collect messages.
proc ::sdledit::report_error {title message} {
    variable S
    if {!$S(built)} { puts stderr "$title: $message"; return }
    tk_messageBox -parent . -icon error -title $title -message $title -detail $message
}

proc ::sdledit::status {message} {
    variable S
    set S(message) $message
}

# --- model replacement -----------------------------------------------------

# Loads FILE; on a reader error the current model and drawing stay and the
# reader's message is shown. Returns 1 on success, 0 on failure.
proc ::sdledit::open {path} {
    if {[catch {load_Model_from_File $path} err]} {
        report_error "Cannot open [file tail $path]" $err
        return 0
    }
    if {[mar LoadingState] ne "OK"} {
        set message "The file could not be read."
        if {[info exists ::Vemra_MAR::arr_MAR(ErrorMessage)]} {
            set message [string trim [string range [mar ErrorMessage] 1 end-1]]
        }
        report_error "Cannot open [file tail $path]" $message
        return 0
    }
    model_installed [file normalize $path]
    return 1
}

proc ::sdledit::new_model {} {
    create_EmptySysSpec
    model_installed ""
}

proc ::sdledit::model_installed {path} {
    variable S
    set S(diagram) -1
    set S(page) -1
    set_file $path
    tree_refresh
    get_System_Model_ID
    set system [mar System_Model_ID]
    get_FirstPageID_from_Model $system
    show $system [mar FirstPageID]
    fire model_replaced $path
}

# --- menu actions ----------------------------------------------------------

proc ::sdledit::cmd_new {} {
    if {[can_discard]} { new_model }
}

proc ::sdledit::cmd_open {} {
    variable S
    if {![can_discard]} return
    set dir [expr {$S(file) eq "" ? [pwd] : [file dirname $S(file)]}]
    set path [tk_getOpenFile -parent . -title "Open model" -initialdir $dir \
        -filetypes {{{SDL models} {.xml}} {{All files} *}}]
    if {$path ne ""} { open $path }
}

proc ::sdledit::cmd_quit {} {
    if {[can_discard]} { exit 0 }
}

# --- zoom ------------------------------------------------------------------

proc ::sdledit::set_zoom {factor} {
    variable S
    set factor [expr {max(0.25, min(4.0, double($factor)))}]
    set c $S(canvas)
    # Keep the model point at the centre of the view where it is.
    set cx [expr {[$c canvasx [expr {[winfo width $c] / 2}]] / $S(zoom)}]
    set cy [expr {[$c canvasy [expr {[winfo height $c] / 2}]] / $S(zoom)}]
    set S(zoom) $factor
    set S(zoomtext) "[expr {int(round($factor * 100))}] %"
    redraw
    center_on [expr {$cx * $factor}] [expr {$cy * $factor}]
}

proc ::sdledit::center_on {cx cy} {
    variable S
    set c $S(canvas)
    lassign [$c cget -scrollregion] x0 y0 x1 y1
    if {$x1 <= $x0 || $y1 <= $y0} return
    set fx [expr {($cx - [winfo width $c] / 2.0 - $x0) / ($x1 - $x0)}]
    set fy [expr {($cy - [winfo height $c] / 2.0 - $y0) / ($y1 - $y0)}]
    $c xview moveto [expr {max(0, $fx)}]
    $c yview moveto [expr {max(0, $fy)}]
}

proc ::sdledit::zoom_step {direction} {
    variable S
    variable zoomsteps
    set next $S(zoom)
    if {$direction > 0} {
        foreach z $zoomsteps { if {$z > $S(zoom) + 0.001} { set next $z; break } }
    } else {
        foreach z [lreverse $zoomsteps] { if {$z < $S(zoom) - 0.001} { set next $z; break } }
    }
    set_zoom $next
}

proc ::sdledit::zoom_entered {} {
    variable S
    if {[regexp {^\s*([0-9]+(?:\.[0-9]*)?)\s*%?\s*$} $S(zoomtext) -> percent]} {
        set_zoom [expr {$percent / 100.0}]
    } else {
        set S(zoomtext) "[expr {int(round($S(zoom) * 100))}] %"
    }
}

# Zooms so that the whole page fits into the visible canvas.
proc ::sdledit::fit_page {} {
    variable S
    if {$S(diagram) < 0} return
    update idletasks
    lassign [page_size $S(diagram) $S(page)] w h
    set c $S(canvas)
    set fx [expr {([winfo width $c] - 30.0) / $w}]
    set fy [expr {([winfo height $c] - 30.0) / $h}]
    set_zoom [expr {min($fx, $fy)}]
    $c xview moveto 0
    $c yview moveto 0
}

# --- window ----------------------------------------------------------------

proc ::sdledit::build_menus {} {
    option add *Menu.tearOff 0
    menu .menubar
    foreach {name label} {file File edit Edit view View diagram Diagram tools Tools help Help} {
        menu .menubar.$name
        .menubar add cascade -label $label -underline 0 -menu .menubar.$name
    }
    set m .menubar.file
    $m add command -label "New" -underline 0 -command ::sdledit::cmd_new
    $m add command -label "Open..." -underline 0 -accelerator Ctrl+O -command ::sdledit::cmd_open
    $m add separator
    $m add cascade -label "Export" -underline 1 -menu $m.export
    menu $m.export
    foreach {format label} {png PNG svg SVG ps PostScript} {
        $m.export add command -label "Current page as $label..." \
            -command [list ::sdledit::cmd_export_page $format]
    }
    $m.export add separator
    foreach {format label} {png PNG svg SVG ps PostScript} {
        $m.export add command -label "All pages as $label..." \
            -command [list ::sdledit::cmd_export_all $format]
    }
    $m add separator
    $m add command -label "Quit" -underline 0 -accelerator Ctrl+Q -command ::sdledit::cmd_quit

    set m .menubar.view
    $m add command -label "Zoom in" -accelerator Ctrl++ -command {::sdledit::zoom_step 1}
    $m add command -label "Zoom out" -accelerator Ctrl+- -command {::sdledit::zoom_step -1}
    $m add command -label "Actual size" -accelerator Ctrl+0 -command {::sdledit::set_zoom 1}
    $m add command -label "Fit page" -accelerator Ctrl+F -command ::sdledit::fit_page
    $m add separator
    $m add command -label "Refresh" -accelerator F5 -command {::sdledit::tree_refresh; ::sdledit::redraw}

    set m .menubar.diagram
    $m add command -label "Up to referencing diagram" -accelerator Alt+Up -command ::sdledit::go_up
    $m add separator
    $m add command -label "Previous page" -accelerator PgUp -command {::sdledit::page_step -1}
    $m add command -label "Next page" -accelerator PgDn -command {::sdledit::page_step 1}
    $m add command -label "First page" -accelerator Ctrl+Home -command {::sdledit::page_end first}
    $m add command -label "Last page" -accelerator Ctrl+End -command {::sdledit::page_end last}

    set m .menubar.help
    $m add command -label "Keyboard shortcuts" -underline 0 -accelerator F1 -command ::sdledit::show_keys
    $m add command -label "About sdledit" -command ::sdledit::show_about
    . configure -menu .menubar
}

proc ::sdledit::build_toolbar {} {
    ttk::frame .tb -padding {4 2}
    set buttons {
        open   "Open"  ::sdledit::cmd_open       "Open a model file (Ctrl+O)"
        up     "\u2191 Up" ::sdledit::go_up       "Up to the referencing diagram (Alt+Up)"
        prev   "\u25c0"  {::sdledit::page_step -1} "Previous page (PgUp)"
        next   "\u25b6"  {::sdledit::page_step 1}  "Next page (PgDn)"
        zout   "\u2212"  {::sdledit::zoom_step -1} "Zoom out (Ctrl+-)"
    }
    foreach {name label command tip} $buttons {
        ttk::button .tb.$name -text $label -command $command -style Toolbutton
        tooltip::tooltip .tb.$name $tip
        pack .tb.$name -side left -padx 1
        if {$name in {open next}} {
            ttk::separator .tb.sep$name -orient vertical
            pack .tb.sep$name -side left -fill y -padx 4
        }
    }
    ttk::combobox .tb.zoom -width 7 -textvariable ::sdledit::S(zoomtext) \
        -values {"25 %" "50 %" "75 %" "100 %" "150 %" "200 %" "300 %" "400 %"}
    bind .tb.zoom <<ComboboxSelected>> ::sdledit::zoom_entered
    bind .tb.zoom <Return> ::sdledit::zoom_entered
    tooltip::tooltip .tb.zoom "Zoom (25 to 400 %)"
    pack .tb.zoom -side left -padx 1
    ttk::button .tb.zin -text "+" -command {::sdledit::zoom_step 1} -style Toolbutton
    ttk::button .tb.fit -text "Fit" -command ::sdledit::fit_page -style Toolbutton
    tooltip::tooltip .tb.zin "Zoom in (Ctrl++)"
    tooltip::tooltip .tb.fit "Fit the page into the window (Ctrl+F)"
    pack .tb.zin .tb.fit -side left -padx 1
    pack .tb -side top -fill x
    ttk::separator .tbsep -orient horizontal
    pack .tbsep -side top -fill x
}

proc ::sdledit::build_body {} {
    variable S
    ttk::panedwindow .body -orient horizontal
    ttk::frame .body.left
    ttk::treeview .body.left.tree -show tree -selectmode browse \
        -yscrollcommand {.body.left.sb set}
    ttk::scrollbar .body.left.sb -orient vertical -command {.body.left.tree yview}
    grid .body.left.tree .body.left.sb -sticky nsew
    grid columnconfigure .body.left 0 -weight 1
    grid rowconfigure .body.left 0 -weight 1
    ::autoscroll::autoscroll .body.left.sb
    bind .body.left.tree <<TreeviewSelect>> ::sdledit::tree_selected

    set r [ttk::frame .body.right]
    # Page bar: page navigation and the page's heading.
    ttk::frame $r.pagebar -padding {4 2}
    ttk::button $r.pagebar.prev -text "\u25c0" -width 2 -command {::sdledit::page_step -1}
    ttk::label $r.pagebar.info -textvariable ::sdledit::S(pageinfo) -width 14 -anchor center
    ttk::button $r.pagebar.next -text "\u25b6" -width 2 -command {::sdledit::page_step 1}
    ttk::label $r.pagebar.header -textvariable ::sdledit::S(header) -font TkHeadingFont
    tooltip::tooltip $r.pagebar.prev "Previous page (PgUp)"
    tooltip::tooltip $r.pagebar.next "Next page (PgDn)"
    pack $r.pagebar.prev $r.pagebar.info $r.pagebar.next -side left
    pack $r.pagebar.header -side left -padx 12
    ttk::frame $r.palette
    ttk::frame $r.cv
    set c [::canvas $r.cv.c -background #d9dde3 -highlightthickness 0 -borderwidth 0 \
        -xscrollcommand [list $r.cv.sx set] -yscrollcommand [list $r.cv.sy set] \
        -confine 1 -width 900 -height 640]
    ttk::scrollbar $r.cv.sx -orient horizontal -command [list $c xview]
    ttk::scrollbar $r.cv.sy -orient vertical -command [list $c yview]
    grid $c $r.cv.sy -sticky nsew
    grid $r.cv.sx -sticky ew
    grid columnconfigure $r.cv 0 -weight 1
    grid rowconfigure $r.cv 0 -weight 1
    ::autoscroll::autoscroll $r.cv.sx
    ::autoscroll::autoscroll $r.cv.sy
    ttk::frame $r.bottom
    grid $r.pagebar - -sticky ew
    grid $r.palette $r.cv -sticky nsew
    grid $r.bottom - -sticky ew
    grid columnconfigure $r 1 -weight 1
    grid rowconfigure $r 1 -weight 1
    .body add .body.left -weight 0
    .body add $r -weight 1
    pack .body -side top -fill both -expand 1
    set S(canvas) $c

    bind $c <Configure> ::sdledit::fit_scrollregion
    bind $c <Motion> {::sdledit::pointer_moved %W %x %y}
    bind $c <Leave> {set ::sdledit::S(pointer) ""}
    bind $c <Button-4> {%W yview scroll -3 units}
    bind $c <Button-5> {%W yview scroll 3 units}
    bind $c <Shift-Button-4> {%W xview scroll -3 units}
    bind $c <Shift-Button-5> {%W xview scroll 3 units}
    bind $c <Control-Button-4> {::sdledit::zoom_step 1}
    bind $c <Control-Button-5> {::sdledit::zoom_step -1}
    $c bind refsym <Double-Button-1> {::sdledit::open_reference_at %x %y}
}

proc ::sdledit::build_statusbar {} {
    ttk::frame .status -padding {6 1}
    ttk::label .status.msg -textvariable ::sdledit::S(message) -anchor w
    ttk::label .status.sel -textvariable ::sdledit::S(selection) -width 28 -anchor w
    ttk::label .status.pos -textvariable ::sdledit::S(pointer) -width 16 -anchor e
    ttk::label .status.zoom -textvariable ::sdledit::S(zoomtext) -width 7 -anchor e
    pack .status.zoom .status.pos .status.sel -side right -padx 4
    pack .status.msg -side left -fill x -expand 1
    pack .status -side bottom -fill x
    ttk::separator .statussep -orient horizontal
    pack .statussep -side bottom -fill x
}

proc ::sdledit::pointer_moved {w x y} {
    variable S
    lassign [to_model [$w canvasx $x] [$w canvasy $y]] mx my
    set S(pointer) "x $mx  y $my"
}

proc ::sdledit::build_bindings {} {
    bind . <Control-o> ::sdledit::cmd_open
    bind . <Control-q> ::sdledit::cmd_quit
    bind . <Control-plus> {::sdledit::zoom_step 1}
    bind . <Control-equal> {::sdledit::zoom_step 1}
    bind . <Control-KP_Add> {::sdledit::zoom_step 1}
    bind . <Control-minus> {::sdledit::zoom_step -1}
    bind . <Control-KP_Subtract> {::sdledit::zoom_step -1}
    bind . <Control-Key-0> {::sdledit::set_zoom 1}
    bind . <Control-f> ::sdledit::fit_page
    bind . <F5> {::sdledit::tree_refresh; ::sdledit::redraw}
    bind . <F1> ::sdledit::show_keys
    bind . <Alt-Up> ::sdledit::go_up
    bind . <Prior> {::sdledit::page_step -1}
    bind . <Next> {::sdledit::page_step 1}
    bind . <Control-Home> {::sdledit::page_end first}
    bind . <Control-End> {::sdledit::page_end last}
    wm protocol . WM_DELETE_WINDOW ::sdledit::cmd_quit
}

# The keys and gestures that Help lists, grouped as the menus.
namespace eval ::sdledit { variable keys {
    "Files" {
        Ctrl+N "new model" Ctrl+O "open a model" Ctrl+S "save" Ctrl+Shift+S "save as"
        Ctrl+Q "quit"
    }
    "Editing" {
        "Click on the page" "place the kind chosen in the palette"
        "Drag, arrow keys" "move the selection (Shift: by one unit)"
        "Double-click, F2" "edit a text (F2 on reference symbols)"
        Ctrl+Enter "end the text" Escape "drop the text; else back to Select"
        Alt+Enter "channel properties" Delete "delete the selection with its lines"
        "Ctrl+X, Ctrl+C, Ctrl+V" "cut, copy, paste" Ctrl+A "select all"
        Ctrl+Z "undo" "Ctrl+Y, Ctrl+Shift+Z" "redo"
    }
    "Viewing" {
        "Double-click a reference" "open its diagram" Alt+Up "up to the referencing diagram"
        "PgUp, PgDn" "previous, next page" "Ctrl+Home, Ctrl+End" "first, last page"
        "Ctrl++, Ctrl+-, Ctrl+wheel" "zoom in, out" Ctrl+0 "actual size" Ctrl+F "fit the page"
        F5 "refresh" F1 "this list"
    }
    "Tools" { F7 "check the model" F9 "generate SDL/PR" }
}}

proc ::sdledit::show_keys {} {
    variable keys
    set d .sdlkeys
    destroy $d
    toplevel $d
    wm title $d "Keyboard shortcuts"
    wm transient $d .
    set f [ttk::frame $d.f -padding 12]
    pack $f -fill both -expand 1
    set row 0
    foreach {group pairs} $keys {
        grid [ttk::label $f.g$row -text $group -font TkHeadingFont] - -sticky w -pady {6 2}
        incr row
        foreach {key text} $pairs {
            grid [ttk::label $f.k$row -text $key] [ttk::label $f.t$row -text $text] -sticky w -padx {8 12}
            incr row
        }
    }
    ttk::button $f.close -text Close -default active -command [list destroy $d]
    grid $f.close - -sticky e -pady {10 0}
    bind $d <Escape> [list destroy $d]
    bind $d <Return> [list destroy $d]
    ::tk::PlaceWindow $d widget .
    focus $f.close
}

proc ::sdledit::show_about {} {
    set versions "sdl library [package present sdl], Tk [info patchlevel]"
    tk_messageBox -parent . -title "About sdledit" -message "sdledit 1.0" \
        -detail "An editor for SDL (ITU-T Z.100) system models.\n$versions"
}

# Builds the window in "." and shows FILE, or a new empty model.
proc ::sdledit::main {args} {
    variable S
    package require autoscroll
    package require tooltip
    if {[llength $args] > 1} { error "usage: sdledit::main ?FILE?" }
    wm title . "sdledit"
    wm minsize . 640 420
    build_menus
    build_toolbar
    build_statusbar
    build_body
    build_bindings
    set S(built) 1
    fire ui
    # Navigation keys come first on the canvas, before the editing bindings
    # that take the plain arrow keys.
    bind SdlView <Alt-Key-Up> {::sdledit::go_up; break}
    bindtags $S(canvas) [linsert [bindtags $S(canvas)] 0 SdlView]
    new_model
    if {[llength $args] == 1} { open [lindex $args 0] }
    focus $S(canvas)
}
