# Stores the example model in a model file, loads it back and shows that
# storing the loaded model again gives the same model: the same lines with
# IDs handed out anew, and from then on byte for byte the same file.
#
#   SDL_LIB_DIR=<build>/lib xvfb-run -a tclsh examples/files_demo.tcl
package require Tk
wm withdraw .
lappend auto_path $::env(SDL_LIB_DIR)
package require sdl
source [file join [file dirname [info script]] example_model.tcl]

proc slurp {path} { set f [open $path rb]; set t [read $f]; close $f; return $t }
proc state {key} { return $::Vemra_MAR::arr_MAR($key) }
# The file's lines with every ID replaced by "#", sorted.
proc shape {path} {
    regsub -all {ID(REF)?="[0-9]+"|>[0-9]+<|\n[0-9]+\n} [slurp $path] {#} text
    return [lsort [split $text \n]]
}

set dir [file join [expr {[info exists ::env(TMPDIR)] ? $::env(TMPDIR) : "/tmp"}] sdl_files_demo]
file mkdir $dir
set first [file join $dir example.xml]
set second [file join $dir example_reloaded.xml]
set third [file join $dir example_reloaded_again.xml]

build_example_model
store_Model_in_File $first
puts "stored the example model:  [state StoringState], [file size $first] bytes in $first"

load_Model_from_File $first
puts "loaded it back:            [state LoadingState]"
store_Model_in_File $second
load_Model_from_File $second
store_Model_in_File $third

puts "same model after loading:  [expr {[shape $first] eq [shape $second] ? "yes" : "NO"}] (lines compared without IDs)"
puts "identical file once read:  [expr {[slurp $second] eq [slurp $third] ? "yes" : "NO"}]"

# A failed load keeps the current model.
load_Model_from_File [file join $dir no_such_file.xml]
puts "loading a missing file:    [state LoadingState] [state ErrorType] [string map {"\n" "\\n"} [state ErrorMessage]]"
get_System_Model_ID
get_Symbols_from_Model BlkInstRefSym [state System_Model_ID] 2
puts "model still there:         [state Count] block reference symbol(s) in the system diagram"

puts "\nfirst lines of $first:"
puts [join [lrange [split [slurp $first] \n] 0 15] \n]
exit 0
