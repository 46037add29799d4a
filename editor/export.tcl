# Pictures of pages: PNG (through Img, from the drawn canvas), SVG (written
# from the canvas items) and PostScript (canvas postscript), for the current
# page, for every page of the model, and without a window for --export.

namespace eval ::sdledit::export {
    variable extension {png png svg svg ps ps}
}

# The canvas that pages are drawn on for export, in a borderless toplevel
# that is only mapped while a PNG is taken from the screen.
proc ::sdledit::export::canvas {} {
    set top .sdledit_export
    if {![winfo exists $top]} {
        toplevel $top -borderwidth 0
        wm overrideredirect $top 1
        wm withdraw $top
        ::canvas $top.c -highlightthickness 0 -borderwidth 0 -background white -confine 1
        pack $top.c -fill both -expand 1
    }
    return $top.c
}

# File name of page N of DIAGRAM: the diagram's path with "_" for "/".
proc ::sdledit::export::file_name {diagram n format} {
    variable extension
    set names {}
    foreach name [split [::sdledit::diagram_path $diagram] /] {
        set name [regsub -all {[^-A-Za-z0-9_.]+} $name -]
        lappend names [expr {$name eq "" ? "diagram$diagram" : $name}]
    }
    return "[join $names _]_page$n.[dict get $extension $format]"
}

# Writes page PAGE of DIAGRAM at actual size into PATH as FORMAT.
proc ::sdledit::export::page {path format diagram page} {
    if {$format ni {png svg ps}} { error "unknown picture format \"$format\": use png, svg or ps" }
    set c [canvas]
    ::sdledit::render $c $diagram $page 1.0
    lassign [::sdledit::page_size $diagram $page] w h
    switch -- $format {
        png { png $c $w $h $path }
        svg { svg $c $w $h $path }
        ps {
            $c postscript -file $path -x 0 -y 0 -width $w -height $h -pageanchor nw \
                -pagex 0.5i -pagey [expr {[winfo fpixels $c 11i] - [winfo fpixels $c 0.5i]}]p
        }
    }
    $c delete all
    return $path
}

# Takes the drawn page from the screen tile by tile (a page may be larger
# than the screen) into one photo image and writes it as PNG.
proc ::sdledit::export::png {c w h path} {
    # A photo image holds four bytes per pixel.
    if {$w > 20000 || $h > 20000} {
        error "the page is too large for a PNG picture ($w x $h): export it as SVG or PostScript"
    }
    package require img::png
    package require img::window
    set top [winfo toplevel $c]
    set tw [expr {min($w, [winfo screenwidth $top])}]
    set th [expr {min($h, [winfo screenheight $top])}]
    wm geometry $top ${tw}x${th}+0+0
    $c configure -width $tw -height $th
    wm deiconify $top
    raise $top
    set whole [image create photo -width $w -height $h]
    try {
        for {set y 0} {$y < $h} {incr y $th} {
            for {set x 0} {$x < $w} {incr x $tw} {
                $c configure -scrollregion [list $x $y [expr {$x + $tw}] [expr {$y + $th}]]
                $c xview moveto 0
                $c yview moveto 0
                update
                set tile [image create photo -format window -data $c]
                $whole copy $tile -to $x $y
                image delete $tile
            }
        }
        # Tiles at the right and bottom edges may reach past the page.
        set page [image create photo -width $w -height $h]
        $page copy $whole -from 0 0 $w $h
        $page write $path -format png
        image delete $page
    } finally {
        image delete $whole
        wm withdraw $top
    }
}

# TEXT as XML character data: markup characters escaped, control
# characters that XML 1.0 does not allow left out.
proc ::sdledit::export::xml {text} {
    regsub -all {[\x00-\x08\x0B\x0C\x0E-\x1F]} $text "" text
    return [string map {& &amp; < &lt; > &gt; \" &quot;} $text]
}

proc ::sdledit::export::paint {value} {
    return [expr {$value eq "" ? "none" : $value}]
}

# The arrowhead polygon that Tk draws at TIP of the segment FROM-TIP, for
# the line's arrow shape {neck-to-tip tip-to-barb barb-width}.
proc ::sdledit::export::arrowhead {from tip shape colour} {
    lassign $from x0 y0
    lassign $tip x1 y1
    lassign $shape a b c
    set len [expr {hypot($x1 - $x0, $y1 - $y0)}]
    if {$len == 0} { return "" }
    set ux [expr {($x1 - $x0) / $len}]; set uy [expr {($y1 - $y0) / $len}]
    set bx [expr {$x1 - $b * $ux}]; set by [expr {$y1 - $b * $uy}]
    set head [list $x1 $y1 [expr {$bx - $c * $uy}] [expr {$by + $c * $ux}] \
        [expr {$x1 - $a * $ux}] [expr {$y1 - $a * $uy}] [expr {$bx + $c * $uy}] [expr {$by - $c * $ux}]]
    return "<polygon points=\"[points $head]\" fill=\"$colour\" stroke=\"none\"/>"
}

proc ::sdledit::export::points {coords} {
    set out {}
    foreach {x y} $coords { lappend out [format %.2f,%.2f $x $y] }
    return [join $out " "]
}

# Writes the canvas items as an SVG 1.1 document of W x H units.
proc ::sdledit::export::svg {c w h path} {
    set out [list {<?xml version="1.0" encoding="UTF-8"?>} \
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"$w\" height=\"$h\" viewBox=\"0 0 $w $h\">"]
    foreach item [$c find all] {
        set coords [$c coords $item]
        switch -- [$c type $item] {
            rectangle - polygon - oval {
                set fill [paint [$c itemcget $item -fill]]
                set stroke [paint [$c itemcget $item -outline]]
                if {$fill eq "none" && $stroke eq "none"} continue
                set style "fill=\"$fill\" stroke=\"$stroke\" stroke-width=\"[$c itemcget $item -width]\""
                lassign $coords x0 y0 x1 y1
                switch -- [$c type $item] {
                    rectangle {
                        lappend out [format {<rect x="%.2f" y="%.2f" width="%.2f" height="%.2f" %s/>} \
                            $x0 $y0 [expr {$x1 - $x0}] [expr {$y1 - $y0}] $style]
                    }
                    oval {
                        lappend out [format {<ellipse cx="%.2f" cy="%.2f" rx="%.2f" ry="%.2f" %s/>} \
                            [expr {($x0 + $x1) / 2.0}] [expr {($y0 + $y1) / 2.0}] \
                            [expr {($x1 - $x0) / 2.0}] [expr {($y1 - $y0) / 2.0}] $style]
                    }
                    polygon {
                        lappend out "<polygon points=\"[points $coords]\" $style stroke-linejoin=\"round\"/>"
                    }
                }
            }
            line {
                set colour [paint [$c itemcget $item -fill]]
                set width [$c itemcget $item -width]
                lappend out "<polyline points=\"[points $coords]\" fill=\"none\"\
                    stroke=\"$colour\" stroke-width=\"$width\"/>"
                set arrow [$c itemcget $item -arrow]
                set shape [$c itemcget $item -arrowshape]
                if {$arrow in {first both}} {
                    lappend out [arrowhead [lrange $coords 2 3] [lrange $coords 0 1] $shape $colour]
                }
                if {$arrow in {last both}} {
                    lappend out [arrowhead [lrange $coords end-3 end-2] [lrange $coords end-1 end] $shape $colour]
                }
            }
            text { lappend out [svg_text $c $item] }
        }
    }
    lappend out </svg>
    set f [::open $path w]
    fconfigure $f -encoding utf-8
    puts $f [join $out \n]
    close $f
}

# A text item as an SVG text element with one tspan per line, placed by
# the item's bounding box so that anchor and justification come out as drawn.
proc ::sdledit::export::svg_text {c item} {
    set text [$c itemcget $item -text]
    set font [$c itemcget $item -font]
    lassign [$c bbox $item] x0 y0 x1 y1
    switch -- [$c itemcget $item -justify] {
        center { set x [expr {($x0 + $x1) / 2.0}]; set anchor middle }
        right { set x [expr {$x1 - 1}]; set anchor end }
        default { set x [expr {$x0 + 1}]; set anchor start }
    }
    set ascent [font metrics $font -ascent]
    set linespace [font metrics $font -linespace]
    set family [font actual $font -family]
    set size [font actual $font -size]
    set size [expr {$size < 0 ? -$size : $size * [tk scaling] }]
    set weight [font actual $font -weight]
    set element [format {<text font-family="%s" font-size="%.1f" font-weight="%s" fill="%s" text-anchor="%s">} \
        [xml $family] $size $weight [paint [$c itemcget $item -fill]] $anchor]
    set y [expr {$y0 + 1 + $ascent}]
    foreach line [split $text \n] {
        append element [format {<tspan x="%.2f" y="%.2f">%s</tspan>} $x $y [xml $line]]
        set y [expr {$y + $linespace}]
    }
    return "$element</text>"
}

# Writes every page of every diagram into DIR; returns the written paths.
proc ::sdledit::export::all {dir format} {
    file mkdir $dir
    set paths {}
    foreach diagram [::sdledit::tree_refresh] {
        set n 0
        foreach page [::sdledit::page_ids $diagram] {
            set name [file_name $diagram [incr n] $format]
            lappend paths [page [file join $dir $name] $format $diagram $page]
        }
    }
    return $paths
}

# --export DIR --format png|svg|ps FILE: writes every page without showing
# the editor; prints one line per file. Returns the exit status.
proc ::sdledit::export_main {argv} {
    set usage "usage: sdledit --export DIR --format png|svg|ps FILE"
    if {[llength $argv] != 5 || [lindex $argv 0] ne "--export" || [lindex $argv 2] ne "--format"} {
        puts stderr $usage
        return 2
    }
    lassign $argv -> dir -> format path
    if {$format ni {png svg ps}} {
        puts stderr "sdledit: unknown format \"$format\"\n$usage"
        return 2
    }
    wm withdraw .
    if {[catch {load_Model_from_File $path} err]} {
        puts stderr "sdledit: cannot load $path: $err"
        return 1
    }
    if {[mar LoadingState] ne "OK"} {
        set message "the file could not be read"
        if {[info exists ::Vemra_MAR::arr_MAR(ErrorMessage)]} {
            set message [string trim [string range [mar ErrorMessage] 1 end-1]]
        }
        puts stderr "sdledit: cannot load $path: $message"
        return 1
    }
    if {[catch {export::all $dir $format} paths]} {
        puts stderr "sdledit: export failed: $paths"
        return 1
    }
    foreach p $paths { puts $p }
    return 0
}

# --- menu actions --------------------------------------------------------------

proc ::sdledit::cmd_export_page {format} {
    variable S
    if {$S(diagram) < 0} return
    set n [expr {[lsearch [page_ids $S(diagram)] $S(page)] + 1}]
    set name [export::file_name $S(diagram) $n $format]
    set path [tk_getSaveFile -parent . -title "Export page" -initialfile $name \
        -defaultextension .$format -filetypes [list [list [string toupper $format] .$format]]]
    if {$path eq ""} return
    if {[catch {export::page $path $format $S(diagram) $S(page)} err]} {
        report_error "Export failed" $err
    } else {
        status "Exported $path"
    }
}

proc ::sdledit::cmd_export_all {format} {
    set dir [tk_chooseDirectory -parent . -title "Export all pages into folder" -mustexist 0]
    if {$dir eq ""} return
    if {[catch {export::all $dir $format} paths]} {
        report_error "Export failed" $paths
    } else {
        status "Exported [llength $paths] pages into $dir"
    }
    tree_mark [lindex [current] 0]
}
