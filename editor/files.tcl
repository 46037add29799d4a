# Saving without ever losing a model: every file is written to a temporary
# file in the target's folder and renamed over the target only when the
# library reports success; the previous version stays as FILE~. While there
# are unsaved changes the title shows "*", an autosave writes FILE.autosave
# every two minutes, and opening a file with a newer autosave offers it.

namespace eval ::sdledit::files {
    variable autosave_ms 120000
    variable timer ""
    variable recovering 0
}

proc ::sdledit::files::modified {} { return [::sdledit::undo::modified] }

# Writes a file through a temporary file next to PATH. WRITER is a command
# prefix that gets the temporary path and returns "" or the reason of its
# failure. Returns "" on success, else the reason; PATH is then untouched.
proc ::sdledit::files::safe_write {path writer {backup 1}} {
    set dir [file dirname [file normalize $path]]
    if {[file isdirectory $path]} { return "\"$path\" is a folder." }
    if {![file isdirectory $dir]} { return "The folder \"$dir\" does not exist." }
    set tmp [file join $dir ".[file tail $path].[pid].tmp"]
    set reason [{*}$writer $tmp]
    if {$reason eq "" && ![file exists $tmp]} { set reason "nothing was written" }
    if {$reason ne ""} {
        catch {file delete -force $tmp}
        if {![file writable $dir]} { return "The folder \"$dir\" is not writable." }
        return "The file could not be written ($reason). The disk may be full."
    }
    if {[catch {
        if {$backup && [file isfile $path]} { file copy -force $path $path~ }
        file rename -force $tmp $path
    } err]} {
        catch {file delete -force $tmp}
        return $err
    }
    return ""
}

proc ::sdledit::files::store_model {tmp} {
    if {[catch {store_Model_in_File $tmp} err]} { return $err }
    if {$::Vemra_MAR::arr_MAR(StoringState) ne "OK"} { return "the model could not be stored" }
    return ""
}

# Saves the model to PATH; returns 1 on success. A failure is shown and the
# file at PATH stays as it was.
proc ::sdledit::files::save_to {path} {
    set reason [safe_write $path ::sdledit::files::store_model]
    if {$reason ne ""} {
        ::sdledit::report_error "Cannot save [file tail $path]" $reason
        return 0
    }
    catch {file delete [autosave_path]}
    ::sdledit::set_file [file normalize $path]
    ::sdledit::undo::mark_saved
    ::sdledit::status "Saved [file tail $path]"
    return 1
}

proc ::sdledit::files::save {} {
    ::sdledit::textedit::commit
    set file $::sdledit::S(file)
    if {$file eq ""} { return [save_as] }
    return [save_to $file]
}

proc ::sdledit::files::save_as {} {
    ::sdledit::textedit::commit
    set file $::sdledit::S(file)
    set path [tk_getSaveFile -parent . -title "Save model as" -defaultextension .xml \
        -initialdir [expr {$file eq "" ? [pwd] : [file dirname $file]}] \
        -initialfile [expr {$file eq "" ? "model.xml" : [file tail $file]}] \
        -filetypes {{{SDL models} {.xml}} {{All files} *}}]
    if {$path eq ""} { return 0 }
    return [save_to $path]
}

# Asked before the model is replaced or the editor closes.
proc ::sdledit::can_discard {} {
    ::sdledit::textedit::commit
    if {![::sdledit::files::modified]} { return 1 }
    set file $::sdledit::S(file)
    set name [expr {$file eq "" ? "the new model" : [file tail $file]}]
    set answer [tk_messageBox -parent . -icon warning -type yesnocancel -default yes \
        -title "Unsaved changes" -message "Save the changes to $name?" \
        -detail "Your changes are lost if you do not save them."]
    switch -- $answer {
        yes { return [::sdledit::files::save] }
        no  { ::sdledit::files::drop_autosave; return 1 }
    }
    return 0
}

proc ::sdledit::files::title {args} {
    if {[modified] && [winfo exists .]} { wm title . "*[wm title .]" }
}

# --- autosave --------------------------------------------------------------

proc ::sdledit::files::autosave_path {} {
    set file $::sdledit::S(file)
    if {$file ne ""} { return $file.autosave }
    set base [expr {[info exists ::env(XDG_CACHE_HOME)] && $::env(XDG_CACHE_HOME) ne ""
        ? $::env(XDG_CACHE_HOME) : [file join [file normalize ~] .cache]}]
    return [file join $base sdledit "unnamed-[pid].autosave"]
}

proc ::sdledit::files::schedule {} {
    variable timer
    variable autosave_ms
    after cancel $timer
    set timer [after $autosave_ms ::sdledit::files::autosave]
}

# Writes the autosave file while there are unsaved changes; the model file
# itself is never touched.
proc ::sdledit::files::autosave {} {
    schedule
    if {![modified]} return
    set path [autosave_path]
    catch {file mkdir [file dirname $path]}
    set reason [safe_write $path ::sdledit::files::store_model 0]
    if {$reason eq ""} {
        ::sdledit::status "Autosaved to [file tail $path]"
    } else {
        ::sdledit::status "Autosave failed: $reason"
    }
}

proc ::sdledit::files::drop_autosave {} {
    catch {file delete [autosave_path]}
}

# After a model file is opened: offer its autosave when that is newer.
proc ::sdledit::files::model_replaced {path} {
    variable recovering
    if {$recovering || $path eq ""} return
    set auto $path.autosave
    if {![file isfile $auto] || [file mtime $auto] < [file mtime $path]} return
    set answer [tk_messageBox -parent . -icon question -type yesno -default yes \
        -title "Recover" -message "Recover the unsaved changes of [file tail $path]?" \
        -detail "An autosave from [clock format [file mtime $auto] -format {%Y-%m-%d %H:%M}] is newer than the file."]
    if {$answer ne "yes"} return
    set recovering 1
    set ok [::sdledit::open $auto]
    set recovering 0
    if {!$ok} return
    ::sdledit::set_file $path
    ::sdledit::undo::mark_unsaved
    ::sdledit::status "Recovered from [file tail $auto]; save to keep it"
}

::sdledit::on modified_changed {apply {args { ::sdledit::title_update }}}
::sdledit::on model_replaced ::sdledit::files::model_replaced
trace add execution ::sdledit::title_update leave ::sdledit::files::title

::sdledit::on ui {apply {args {
    set m .menubar.file
    $m entryconfigure 0 -accelerator Ctrl+N
    $m insert 2 command -label "Save" -underline 0 -accelerator Ctrl+S -command ::sdledit::files::save
    $m insert 3 command -label "Save as..." -underline 5 -accelerator Ctrl+Shift+S -command ::sdledit::files::save_as
    if {[winfo exists .tb.open]} {
        ttk::button .tb.save -text "Save" -command ::sdledit::files::save -style Toolbutton
        tooltip::tooltip .tb.save "Save the model (Ctrl+S)"
        pack .tb.save -side left -padx 1 -after .tb.open
    }
    bind . <Control-n> {::sdledit::key ::sdledit::cmd_new}
    bind . <Control-s> {::sdledit::key ::sdledit::files::save}
    bind . <Control-S> {::sdledit::key ::sdledit::files::save_as}
    ::sdledit::files::schedule
}}}
