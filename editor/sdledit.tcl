# The sdledit package: a Tk editor for SDL system models on top of the sdl
# library. Sourcing this file loads Tk, the sdl library and the editor's
# scripts in a fixed order; later files may redefine hooks of earlier ones.
package require Tk 8.6
# A build tree of the sdl library named by SDL_LIB_DIR comes first.
if {[info exists ::env(SDL_LIB_DIR)] && $::env(SDL_LIB_DIR) ni $::auto_path} {
    set ::auto_path [linsert $::auto_path 0 $::env(SDL_LIB_DIR)]
}
package require sdl

namespace eval ::sdledit {
    variable dir [file dirname [file normalize [info script]]]
    # Window, drawing and navigation first, then the editing scripts.
    variable files {
        main.tcl shapes.tcl draw.tcl tree.tcl navigate.tcl export.tcl
        palette.tcl undo.tcl edit.tcl select.tcl connect.tcl textedit.tcl
        files.tcl problems.tcl
    }
}
namespace eval ::Vemra_MAR {
    variable arr_MAR
    if {![array exists arr_MAR]} { array set arr_MAR {} }
}
foreach ::sdledit::file $::sdledit::files {
    source [file join $::sdledit::dir $::sdledit::file]
}
unset ::sdledit::file
package provide sdledit 1.0
