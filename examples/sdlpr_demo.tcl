# Writes the example model as SDL/PR text in both layouts, prints the
# referenced one and the start of its SDL-92 export, then shows how an incomplete state machine is reported:
# the generation names the symbol, its page and its diagram.
#
#   SDL_LIB_DIR=<build>/lib xvfb-run -a tclsh examples/sdlpr_demo.tcl
package require Tk
wm withdraw .
lappend auto_path $::env(SDL_LIB_DIR)
package require sdl
source [file join [file dirname [file normalize [info script]]] example_model.tcl]

proc read_file {path} {
    set f [open $path r]
    set text [read $f]
    close $f
    return $text
}

# Runs one generation and returns the keys it reported, as a dict.
proc generate {path layout} {
    save_SDL_PR_in_File $path $layout
    set report {}
    foreach key {GeneratingPR_State ErrorType Symbol_ID Page_ID Diagram_ID} {
        if {[info exists ::Vemra_MAR::arr_MAR($key)]} { dict set report $key $::Vemra_MAR::arr_MAR($key) }
    }
    return $report
}

set ids [build_example_model]
set dir [file join [file normalize /tmp] sdlpr_demo_[pid]]
file mkdir $dir
set referenced [file join $dir referenced.pr]
set nested [file join $dir nested.pr]

puts "referenced layout -> $referenced: [generate $referenced false]"
puts "nested layout     -> $nested: [generate $nested true]"
puts "nested file: [llength [split [string trimright [read_file $nested] \n] \n]] lines"
puts "\n---- $referenced ----"
puts -nonewline [read_file $referenced]
puts "---- end ----\n"

# The same model as standard SDL-92 with CIF layout, for other SDL tools.
set standard [file join $dir standard.pr]
puts "SDL-92 export     -> $standard: warnings {[sdl::export_pr $standard]}"
puts "---- first lines of $standard ----"
puts [join [lrange [split [read_file $standard] \n] 0 12] \n]
puts "---- ... ----\n"

# The incomplete variant: the "false" branch now leads through an output
# symbol that has no outgoing flow line, so its transition never ends.
set pro [dict get $ids processDia]
set page [dict get $ids procPage]
set alarm [example_sm $pro $page StateMaOutputSym 500 420 alarm]
example_flow $pro $page [dict get $ids waiting] $alarm {550 380 550 420}
set incomplete [file join $dir incomplete.pr]
set report [generate $incomplete false]
puts "incomplete variant -> $incomplete: $report"
if {[dict get $report GeneratingPR_State] eq "Error" && [dict exists $report Symbol_ID]} {
    puts [format "error %s at symbol %s (the output \"alarm\" is %s) on page %s of diagram %s (process Handler is %s)" \
        [dict get $report ErrorType] [dict get $report Symbol_ID] $alarm \
        [dict get $report Page_ID] [dict get $report Diagram_ID] $pro]
}
if {[catch {sdl::export_pr $standard} message]} { puts "SDL-92 export of the incomplete variant: $message" }
puts "the file keeps what was written before the error; its last lines:"
puts [join [lrange [split [string trimright [read_file $incomplete] \n] \n] end-4 end] \n]

file delete -force $dir
exit 0
