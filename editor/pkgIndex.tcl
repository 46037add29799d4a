package ifneeded sdledit 1.0 [list source [file join $dir sdledit.tcl]]
