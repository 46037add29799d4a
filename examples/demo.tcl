# Loads the sdl package into a Tk interpreter and shows what it provides.
package require Tk
wm withdraw .
lappend auto_path $::env(SDL_LIB_DIR)
puts "sdl package version: [package require sdl]"
puts "ApplInstPath:        $::ApplInstPath"
puts "DefaultProjectsDir:  $::DefaultProjectsDir"
exit 0
