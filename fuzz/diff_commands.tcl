# Differential command fuzzer: runs the same seeded random command sequences
# against two builds of libsdl.so and reports where their observable
# behaviour parts: return codes, results, result array writes in order,
# stderr, written files and the answers to loading mutated model files.
#
#   xvfb-run -a tclsh fuzz/diff_commands.tcl OLD/libsdl.so NEW/libsdl.so FIRST_SEED COUNT [DATA_DIR]
#
# Each library runs in its own child tclsh in its own scratch folder, so the
# relative file names in messages are the same. A child runs a batch of seeds
# and writes a log; the parent compares the logs seed by seed.

set ::self [file normalize [info script]]

# ---------------------------------------------------------------- generator
proc rnd {n} { expr {int(rand() * $n)} }
proc pick {list} { lindex $list [rnd [llength $list]] }
proc chance {p} { expr {rand() < $p} }

set ::odd_numbers {"" 12abc " -5" +1 -1 0x10 99999999999 2147483648 -2147483649 " 7" "7 " 1e3 abc ENV "\{" 3.0 0 007 -0 "1 2"}
set ::texts [list "" x "a b" "\{" "\}" "\\" "\"" "a\{b\}c" "\u00fcn\u00ef\u20ac" "\n" {$x[y]} "a\\\{" "<&>" "]]>" "\t lead" \
    [string repeat "long " 200] "x\x01y" "a\x00b" "\ud7ff" "line1\nline2" "\{\{" "ok \} \{"]
set ::sym_types {TextSym ProInstRefSym ProTypeRefSym BlkInstRefSym BlkTypeRefSym ProcedureInstRefSym}
set ::sm_types {StateMaStartStateSym StateMaStateSym StateMaOutputSym StateMaInputSym StateMaStopSym StateMaTaskSym
    StateMaConditionSym StateMaDecisionSym StateMaCreateProSym StateMaCallProcedureSym StateMaProcedureStartStateSym
    StateMaProcedureReturnSym}
set ::comp_types {ChanName ChanSourceSig ChanDestSig ChanSourceCon ChanDestCon}

proc g_id {} {
    if {[chance 0.08]} { return [pick $::odd_numbers] }
    if {[chance 0.75] && [llength $::pool]} { return [pick $::pool] }
    return [rnd 40]
}
# IDs of a kind (dia proc rec sm chan flow) seen in answers.
proc g_eid {kind} {
    if {[chance 0.75] && [info exists ::kind($kind)] && [llength $::kind($kind)]} { return [pick $::kind($kind)] }
    g_id
}
# Diagram, page and two ends on that page: state-machine symbols for flow
# lines, reference symbols or ENV for channels.
proc g_ends {what} {
    set pair [g_pair]
    set key [expr {$what eq "flow" ? "sm" : "rec"}]
    set ids {}
    catch {set ids $::onpage($key,$pair)}
    set end {}
    for {set i 0} {$i < 2} {incr i} {
        if {$what eq "chan" && [chance 0.3]} { lappend end [pick {ENV ENV ENV "ENV " env}]; continue }
        lappend end [expr {[llength $ids] && [chance 0.85] ? [pick $ids] : [g_id]}]
    }
    if {$what eq "chan"} { return [list {*}$pair [pick {delay no_delay delay no_delay Delay ""}] {*}$end] }
    list {*}$pair {*}$end
}
proc g_pair {} {
    if {[chance 0.8]} { return [pick $::pairs] }
    list [g_id] [g_id]
}
proc g_num {} {
    if {[chance 0.1]} { return [pick $::odd_numbers] }
    if {[chance 0.8]} { return [rnd 300] }
    expr {[rnd 2000] - 100}
}
proc g_text {} { if {[chance 0.3]} { return [pick $::texts] }; return "t[rnd 100]" }
proc g_pas {} { list [g_num] [g_num] [g_num] [g_num] }
proc g_pasword {} {
    if {[chance 0.2]} { return [pick {"" "1 2" "1 2 3 4 5 6" "a b c d" " 1 2 3 4" "1  2 3 4"}] }
    join [g_pas] " "
}
proc g_coords {} {
    if {[chance 0.2]} { return [pick {"" " 10" "1  2" "a b" "1 2 3" "-5 +6" "1,2" "99999999999 1"}] }
    set l {}
    for {set i [expr {2 * [rnd 4]}]} {$i > 0} {incr i -1} { lappend l [rnd 500] }
    join $l " "
}
proc g_type {list} {
    if {[chance 0.1]} { return [pick [list "" Text textSym StateMaStartSym StateMaFooSym TextSym\  {*}$list]] }
    pick $list
}
proc g_layout {} { pick {true false true false 0 1 yes no "" TRUE nested x} }
proc g_file {} { pick {m0.xml m1.xml m2.xml m0.xml "" . nodir/x.xml} }
proc g_loadfile {} {
    pick {m0.xml m1.xml m2.xml mut.xml mut.xml mut.xml mut.xml missing.xml "" . d_fresh.xml d_rich.xml
        d_structure.xml d_every_construct.xml d_example_model.xml d_written_order.xml p0.pr
        d_every_construct.xml d_example_model.xml d_every_construct.xml d_example_model.xml}
}

# Argument makers of the commands (without the command name).
set ::ARGS {
    create_EmptySysSpec {}
    load_Model_from_File {[g_loadfile]}
    store_Model_in_File {[g_file]}
    save_SDL_PR_in_File {[pick {p0.pr p1.pr nodir/p.pr}] [g_layout]}
    modify_SysDiaName_in_Model {[g_text]}
    get_System_Model_ID {}
    get_ReferencingDiagramID_from_Model {[g_eid dia]}
    get_ProcedureFormalParameters_from_Model {[g_eid proc]}
    modify_ProcedureDiaFormalParameters_in_Model {[g_eid proc] [g_text]}
    get_PageSize_from_Model {{*}[g_pair]}
    get_PageFrameInfo_from_Model {{*}[g_pair]}
    modify_PageWidth_in_Model {{*}[g_pair] [g_num]}
    modify_PageHeight_in_Model {{*}[g_pair] [g_num]}
    modify_PageFramePaS_in_Model {{*}[g_pair] [g_num] [g_num] [g_num] [g_num]}
    add_NewPage_after_in_Model {{*}[g_pair]}
    get_FirstPageID_from_Model {[g_eid dia]}
    get_LastPageID_from_Model {[g_eid dia]}
    get_NextPageID_from_Model {{*}[g_pair]}
    get_PreviousPageID_from_Model {{*}[g_pair]}
    delete_Page_from_Model {{*}[g_pair]}
    insert_RecSym_into_Model {{*}[g_pair] [g_type $::sym_types] [g_num] [g_num] [g_num] [g_num] [g_text]}
    get_Symbols_from_Model {[g_type $::sym_types] {*}[g_pair]}
    modify_RecSym_Content_in_Model {[g_eid rec] [g_text]}
    set_RecSymbolPaS_in_Model {[g_eid rec] [g_num] [g_num] [g_num] [g_num]}
    delete_RecSym_from_Model {[g_eid rec]}
    get_AllReferencedDiagrams_from_Model {[g_eid dia]}
    get_Channels_from_Model {{*}[g_pair]}
    insert_BidirecChannel_into_Model {{*}[g_ends chan] [g_coords]
        [g_text] [g_pasword] [g_text] [g_pasword] [g_text] [g_pasword] [g_text] [g_pasword] [g_text] [g_pasword]}
    modify_Chan_Coords_in_Model {[g_eid chan] [g_coords]}
    modify_ChanComp_in_Model {[g_eid chan] [g_type $::comp_types] [g_text] [g_pasword]}
    modify_Chan_Type_in_Model {[g_eid chan] [pick {delay no_delay late}] [pick {both from_source from_destination sideways}]}
    delete_Chan_from_Model {[g_eid chan]}
    insert_StateMachineSymbol_into_Model {{*}[g_pair] [g_type $::sm_types] [g_num] [g_num] [g_num] [g_num] [g_text]}
    modify_StateMachineSymbol_Content_in_Model {[g_eid sm] [g_text]}
    modify_StateMachineSymbol_PaS_in_Model {[g_eid sm] [g_num] [g_num] [g_num] [g_num]}
    delete_StateMachineSymbol_from_Model {[g_eid sm]}
    get_StateMachineSyms_from_Model {[g_type $::sm_types] {*}[g_pair]}
    insert_FlowLine_into_Model {{*}[g_ends flow] [g_coords]}
    insert_DecisionFlowLine_into_Model {{*}[g_ends flow] [g_coords] [g_text] [g_pasword]}
    modify_FlowLineCoords_in_Model {[g_eid flow] [g_coords]}
    modify_DecisionFlowLinePaS_in_Model {[g_eid flow] [g_num] [g_num] [g_num] [g_num]}
    modify_DecisionFlowLineContent_in_Model {[g_eid flow] [g_text]}
    delete_FlowLine_from_Model {[g_eid flow]}
    get_FlowLines_from_Model {{*}[g_pair]}
}
set ::NAMES [dict keys $::ARGS]
# Insertions come more often so that the model grows.
set ::WEIGHTED [concat $::NAMES [lrepeat 6 insert_RecSym_into_Model] [lrepeat 8 insert_StateMachineSymbol_into_Model] \
    [lrepeat 4 insert_FlowLine_into_Model] [lrepeat 3 insert_BidirecChannel_into_Model] \
    [lrepeat 2 add_NewPage_after_in_Model] [lrepeat 2 insert_DecisionFlowLine_into_Model] \
    [lrepeat 3 save_SDL_PR_in_File] [lrepeat 2 delete_FlowLine_from_Model] [lrepeat 2 delete_StateMachineSymbol_from_Model]]

proc g_call {} {
    set name [pick $::WEIGHTED]
    set words [uplevel #0 "list [string map {\n { }} [dict get $::ARGS $name]]"]
    if {[chance 0.04]} { lappend words [g_id] }
    if {[chance 0.04] && [llength $words]} { set words [lrange $words 0 end-1] }
    list $name {*}$words
}

# ---------------------------------------------------------------- mutations
proc slurp {path} { set f [open $path rb]; set t [read $f]; close $f; return $t }
proc spit {path data} { set f [open $path wb]; puts -nonewline $f $data; close $f }

proc mutate {data} {
    set n [string length $data]
    if {$n == 0} { return "<" }
    set p [rnd $n]
    switch [rnd 28] {
        0 { return [string replace $data $p $p [pick {< > & \" ' 0 9 - " " \x00 \u00e9 / = A}]] }
        1 { return [string range $data 0 $p] }
        2 { return [string replace $data $p [expr {$p + [rnd 40]}]] }
        3 {
            set lines [split $data \n]
            set i [rnd [llength $lines]]
            return [join [linsert $lines $i [lindex $lines $i]] \n]
        }
        4 {
            set lines [split $data \n]
            set i [rnd [llength $lines]]; set j [rnd [llength $lines]]
            set a [lindex $lines $i]
            lset lines $i [lindex $lines $j]; lset lines $j $a
            return [join $lines \n]
        }
        5 - 6 {
            set nums [regexp -all -indices -inline {[0-9]+} $data]
            if {![llength $nums]} { return $data }
            lassign [pick $nums] a b
            return [string replace $data $a $b [pick $::odd_numbers]]
        }
        7 {
            set ids [regexp -all -inline {ID="[0-9]+"} $data]
            if {![llength $ids]} { return $data }
            set from [pick $ids]; set to [pick $ids]
            set at [string first $from $data]
            return [string replace $data $at [expr {$at + [string length $from] - 1}] $to]
        }
        8 {
            set decl {<!DOCTYPE SYSSPEC [<!ENTITY e "zz<b>"> <!ENTITY f SYSTEM "m0.xml"> <!ENTITY g "&g;">]>}
            regsub {<!DOCTYPE[^>]*>} $data $decl data
            set at [string first "<CONTENT>" $data]
            if {$at < 0} { return $data }
            return [string replace $data $at [expr {$at + 8}] "<CONTENT>[pick {&e; &f; &g; &amp; &#0; &#x10FFFF; &unknown; &#65;}]"]
        }
        9 {
            set elems [regexp -all -indices -inline {<[A-Z_]+ ID=} $data]
            if {![llength $elems]} { return $data }
            lassign [pick $elems] a b
            return [string replace $data $a $b "<[pick {PAGE SYSDIA BLKDIA PRODIA TEXTSYM CHANNEL FLOWLINE FOO}] ID="]
        }
        10 {
            set attrs [regexp -all -indices -inline {[A-Z_]+="[^"]*"} $data]
            if {![llength $attrs]} { return $data }
            lassign [pick $attrs] a b
            return [string replace $data $a $b [pick {"" X="1" "ID=\"1\" ID=\"2\"" IDREF="1" IS_ENV="maybe" TYPE=\"\"}]]
        }
        12 - 13 {
            # a whole element dropped, doubled or moved elsewhere
            set starts [regexp -all -indices -inline {<[A-Z_]+[ >]} $data]
            if {![llength $starts]} { return $data }
            set a [lindex [pick $starts] 0]
            regexp -start $a {<([A-Z_]+)} $data -> tag
            set b [string first "</$tag>" $data $a]
            if {$b < 0} { return $data }
            incr b [string length "</$tag>"]
            set el [string range $data $a $b]
            set rest [string replace $data $a $b]
            switch [rnd 3] {
                0 { return $rest }
                1 { return [string replace $data $a $b $el$el] }
                2 {
                    set tags [regexp -all -indices -inline {\n<} $rest]
                    if {![llength $tags]} { return $rest }
                    set at [lindex [pick $tags] 0]
                    return [string replace $rest $at $at "\n$el"]
                }
            }
        }
        14 {
            set texts [regexp -all -indices -inline {>\n[^<]*\n<} $data]
            if {![llength $texts]} { return $data }
            lassign [pick $texts] a b
            return [string replace $data $a $b ">\n[encoding convertto utf-8 [pick $::texts]]\n<"]
        }
        15 {
            set vals [regexp -all -indices -inline {"[^"]*"} $data]
            if {![llength $vals]} { return $data }
            lassign [pick $vals] a b
            return [string replace $data $a $b \"[pick [list {*}$::odd_numbers true false both ENV yes]]\"]
        }
        16 { return [string map {\n \r\n} $data] }
        17 { return [string replace $data $p $p "[string index $data $p]<!-- c -->"] }
        18 {
            set rep "<CONTENT><!\[CDATA\[\n\\1\n\]\]></CONTENT>"
            return [regsub -all {<CONTENT>\n([^<]*)\n</CONTENT>} $data $rep]
        }
        19 { return [string map {"<PAGE " "<?pi x?><PAGE " "></PAS>" "/>"} $data] }
        20 { return "\xef\xbb\xbf$data" }
        21 { return [string map {{<?xml version="1.0"?>} {<?xml version="1.0" encoding="ISO-8859-1"?>}} [string map {e \u00e9} $data]] }
        22 { return [regsub -all {<!DOCTYPE[^>]*>\n?} $data ""] }
        23 { return [regsub -all { ([A-Z_]+)="} $data "  \\1 = \""] }
        24 { return [regsub -all {<CONTENT>\n[^<]*\n</CONTENT>} $data [pick {<CONTENT></CONTENT> <CONTENT/> "<CONTENT>\n\n</CONTENT>" <CONTENT>x</CONTENT> "<CONTENT>\n&#65;&#x42;&lt;\n</CONTENT>"}]] }
        25 { return [string replace $data $p $p "[string index $data $p][pick {<FOO/> junk {<FOO X="1">t</FOO>} &#49; &amp;}]"] }
        26 { return [regsub -all {ID="([0-9]+)"} $data [pick {{ID="\1 "} {ID=" \1"} {ID="+\1"} {ID="0\1"} {ID="&#49;\1"}}]] }
        27 { return [string map [list \n [pick {" \n" "\n\t" "\n\n"}]] $data] }
        11 { return [string replace $data $p $p "[string index $data $p][string range $data $p [expr {$p + [rnd 200]}]]"] }
    }
}

# ---------------------------------------------------------------- child
proc log {args} { puts $::out [list {*}$args] }

proc on_event {n1 n2 op} {
    if {$op eq "unset"} {
        lappend ::events unset $n2
        if {$n2 eq ""} { catch {trace add variable ::Vemra_MAR::arr_MAR {write unset} on_event} }
    } else {
        set v <none>
        catch {set v [set ::Vemra_MAR::arr_MAR($n2)]}
        lappend ::events $n2 $v
    }
}
proc refuse_write {n1 n2 op} { if {$n2 eq $::refuse || [string match "*,$::refuse" $n2]} { error "refused $n2" } }
proc retrace {} {
    catch {
        foreach t [trace info variable ::Vemra_MAR::arr_MAR] {
            if {[lindex $t 1] eq "on_event"} { trace remove variable ::Vemra_MAR::arr_MAR {*}$t }
        }
        trace add variable ::Vemra_MAR::arr_MAR {write unset} on_event
    }
}

# The odd result variable states the commands may meet.
proc disturb {} {
    switch [rnd 6] {
        5 {
            set ::refuse [pick {Result NewObj_Model_ID RefDia_Model_ID LoadingState ErrorType ErrorMessage Count IDs
                GeneratingPR_State StoringState FirstPageID NextPageExists Symbol_ID HP_Name}]
            catch {trace add variable ::Vemra_MAR::arr_MAR write refuse_write}
            return "refuse $::refuse"
        }
        0 { catch {namespace delete ::Vemra_MAR}; return nsdelete }
        1 { catch {unset ::Vemra_MAR::arr_MAR}; return unset }
        2 { catch {unset ::Vemra_MAR::arr_MAR}; catch {set ::Vemra_MAR::arr_MAR scalar}; return scalar }
        3 { catch {array set ::Vemra_MAR::arr_MAR {}}; return keep }
        4 { fresh_array; return fresh }
    }
}

proc fresh_array {} {
    catch {unset ::Vemra_MAR::arr_MAR}
    namespace eval ::Vemra_MAR { variable arr_MAR; array set arr_MAR {} }
}

proc file_state {path} {
    if {![file isfile $path]} { return none }
    slurp $path
}

proc run_seed {seed steps} {
    expr {srand($seed)}
    foreach f [glob -nocomplain *] { if {![string match d_* $f]} { file delete -force $f } }
    set ::pool {1 2}
    set ::pairs {{1 2}}
    set ::queue {}
    array unset ::kind
    array unset ::onpage
    fresh_array
    log SEED $seed
    puts stderr "SEED $seed"
    create_EmptySysSpec
    for {set step 0} {$step < $steps + 15} {incr step} {
        if {$step >= $steps} { lappend ::queue {load_Model_from_File mut.xml} }
        if {[chance 0.04]} { log DISTURB [disturb] }
        if {[llength $::queue]} {
            set call [lindex $::queue 0]
            set ::queue [lrange $::queue 1 end]
        } else {
            set call [g_call]
        }
        if {[lindex $call 0] eq "load_Model_from_File" && [lindex $call 1] eq "mut.xml"} {
            set src [pick {m0.xml m1.xml d_fresh.xml d_rich.xml d_structure.xml d_every_construct.xml
                d_example_model.xml d_written_order.xml}]
            if {![file isfile $src]} { set src d_rich.xml }
            set data [slurp $src]
            for {set k [expr {1 + [rnd 2]}]} {$k > 0} {incr k -1} { set data [mutate $data] }
            spit mut.xml $data
            log MUT $src [string length $data]
        }
        retrace
        set ::events {}
        puts stderr "CMD $step"
        set code [catch {{*}$call} result]
        retrace
        set arr <noarray>
        catch {if {[array exists ::Vemra_MAR::arr_MAR]} { set arr [lsort -stride 2 [array get ::Vemra_MAR::arr_MAR]] }}
        log $step $call $code $result $::events $arr
        switch [lindex $call 0] {
            store_Model_in_File - save_SDL_PR_in_File { log FILE [lindex $call 1] [file_state [lindex $call 1]] }
        }
        if {$code == 0} { learn $call $arr }
        foreach {k v} $::events {
            if {$k eq "unset"} continue
            catch { foreach w $v { if {[string is integer -strict $w] && $w > 0 && $w < 100000 && $w ni $::pool} { lappend ::pool $w } } }
        }
    }
}

# Known diagram/page pairs and a walk of a loaded model keep the sequences
# on live elements.
proc learn {call arr} {
    if {[catch {array set a $arr}]} return
    set name [lindex $call 0]
    if {$name eq "load_Model_from_File" && [info exists a(LoadingState)] && $a(LoadingState) eq "OK"} {
        set ::pairs {}
        set ::pool {}
        array unset ::kind
        array unset ::onpage
        lappend ::queue {get_AllReferencedDiagrams_from_Model 1} {get_FirstPageID_from_Model 1}
        if {[lindex $call 1] eq "mut.xml"} {
            lappend ::queue {save_SDL_PR_in_File p0.pr false} {save_SDL_PR_in_File p1.pr true} {store_Model_in_File m2.xml}
        }
    } elseif {$name eq "create_EmptySysSpec" && [llength $call] == 1} {
        set ::pairs {{1 2}}
    } elseif {$name eq "get_AllReferencedDiagrams_from_Model" && [info exists a(IDs)]} {
        foreach d $a(IDs) { lappend ::kind(dia) $d; if {[info exists a($d,DiaType)] && $a($d,DiaType) eq "ProcedureDia"} { lappend ::kind(proc) $d } }
        foreach d [lrange $a(IDs) 0 20] {
            lappend ::queue [list get_FirstPageID_from_Model $d] [list get_AllReferencedDiagrams_from_Model $d]
        }
    } elseif {$name eq "get_FirstPageID_from_Model" && [info exists a(FirstPageID)]} {
        lappend ::pairs [list [lindex $call 1] $a(FirstPageID)]
        foreach t [lrange $::sym_types 0 2] { lappend ::queue [list get_Symbols_from_Model $t [lindex $call 1] $a(FirstPageID)] }
        lappend ::queue [list get_StateMachineSyms_from_Model StateMaStateSym [lindex $call 1] $a(FirstPageID)] \
            [list get_StateMachineSyms_from_Model StateMaTaskSym [lindex $call 1] $a(FirstPageID)] \
            [list get_FlowLines_from_Model [lindex $call 1] $a(FirstPageID)] [list get_Channels_from_Model [lindex $call 1] $a(FirstPageID)]
        lappend ::queue [list get_NextPageID_from_Model [lindex $call 1] $a(FirstPageID)]
    } elseif {$name eq "get_NextPageID_from_Model" && [info exists a(NextPageExists)] && $a(NextPageExists)} {
        lappend ::pairs [list [lindex $call 1] $a(NextPageID)]
    } elseif {$name eq "insert_RecSym_into_Model" && [info exists a(NewObj_Model_ID)]} {
        lappend ::kind(rec) $a(NewObj_Model_ID)
        lappend ::onpage(rec,[lrange $call 1 2]) $a(NewObj_Model_ID)
        if {[info exists a(RefDia_Model_ID)]} {
            lappend ::kind(dia) $a(RefDia_Model_ID)
            if {[lindex $call 3] eq "ProcedureInstRefSym"} { lappend ::kind(proc) $a(RefDia_Model_ID) }
            lappend ::queue [list get_FirstPageID_from_Model $a(RefDia_Model_ID)]
        }
    } elseif {$name eq "insert_StateMachineSymbol_into_Model" && [info exists a(NewObj_Model_ID)]} {
        lappend ::kind(sm) $a(NewObj_Model_ID)
        lappend ::onpage(sm,[lrange $call 1 2]) $a(NewObj_Model_ID)
    } elseif {$name in {insert_FlowLine_into_Model insert_DecisionFlowLine_into_Model} && [info exists a(NewObj_Model_ID)]} {
        lappend ::kind(flow) $a(NewObj_Model_ID)
    } elseif {$name eq "insert_BidirecChannel_into_Model" && [info exists a(NewObj_Model_ID)]} {
        lappend ::kind(chan) $a(NewObj_Model_ID)
    } elseif {$name in {get_Symbols_from_Model get_StateMachineSyms_from_Model get_FlowLines_from_Model get_Channels_from_Model}
              && [info exists a(IDs)]} {
        set k [dict get {get_Symbols_from_Model rec get_StateMachineSyms_from_Model sm get_FlowLines_from_Model flow
            get_Channels_from_Model chan} $name]
        set pair [lrange $call end-1 end]
        foreach id $a(IDs) {
            if {$id ni [array get ::kind $k]} { lappend ::kind($k) $id }
            if {$k in {rec sm}} { lappend ::onpage($k,$pair) $id }
        }
    } elseif {$name eq "add_NewPage_after_in_Model"} {
        lappend ::queue [list get_NextPageID_from_Model {*}[lrange $call 1 2]]
    }
}

# Before the first create_EmptySysSpec the process has no system model.
proc no_model_calls {first} {
    expr {srand($first)}
    set ::pool {1 2}
    set ::pairs {{1 2}}
    fresh_array
    log SEED init$first
    puts stderr "SEED init$first"
    foreach name $::NAMES {
        if {$name in {create_EmptySysSpec load_Model_from_File}} continue
        set call [list $name {*}[uplevel #0 "list [string map {\n { }} [dict get $::ARGS $name]]"]]
        set ::events {}
        retrace
        puts stderr "CMD $name"
        set code [catch {{*}$call} result]
        log $call $code $result $::events
    }
}

# Hand-made variants of a full model: references to the wrong or a missing
# diagram, elements in diagrams that do not take them, misplaced pages.
proc element {data start} {
    set a [string first $start $data]
    if {$a < 0} { return {} }
    regexp -start $a {<([A-Z_]+)} $data -> tag
    set b [expr {[string first "</$tag>" $data $a] + [string length "</$tag>"]}]
    list $a $b [string range $data $a $b]
}
proc move {data start before} {
    lassign [element $data $start] a b el
    if {$el eq ""} { return $data }
    set data [string replace $data $a $b]
    set at [string first $before $data]
    if {$at < 0} { return $data }
    string replace $data $at [expr {$at - 1}] $el
}
proc copy_into {data start before} {
    lassign [element $data $start] a b el
    set at [string first $before $data]
    if {$el eq "" || $at < 0} { return $data }
    string replace $data $at [expr {$at - 1}] $el
}
set ::CRAFTED {
    {string map {IDREF="7" IDREF="16"}} {string map {IDREF="7" IDREF="99"}} {string map {IDREF="16" IDREF="7"}}
    {string map {IDREF="19" IDREF="16"}} {string map {IDREF="30" IDREF="1"}} {string map {IDREF="7" IDREF="1"}}
    {string map {IDREF="30" IDREF="16"}} {string map {IDREF="16" IDREF="30"}} {string map {IDREF="7" IDREF="2"}}
    {string map {{<SYSDIA ID="1">} {<BLKDIA ID="1">} </SYSDIA> </BLKDIA>}}
    {string map {<SYSSPEC> <SYSSPECX> </SYSSPEC> </SYSSPECX>}} {string map {<SYSSPEC> {} </SYSSPEC> {}}}
    {move $data {<BLKDIA ID="7">} {<SYSDIA ID="1">}} {move $data {<PRODIA ID="19">} {<BLKDIA ID="7">}}
    {move $data {<PROCEDUREDIA ID="30">} {<PRODIA ID="16">}}
    {copy_into $data {<SYSDIA ID="1">} </SYSSPEC>} {copy_into $data {<BLKDIA ID="7">} </SYSSPEC>}
    {regsub {<DIA_NAME>[^<]*</DIA_NAME>\n} $data {}}
    {regsub {<FORMAL_PARAMETERS>[^<]*</FORMAL_PARAMETERS>\n} $data {}}
    {copy_into $data {<CHANNEL ID="9"} </PROCEDUREDIA>} {copy_into $data {<CHANNEL ID="21"} </PRODIA>}
    {move $data {<CHANNEL ID="21"} </SYSDIA>} {move $data {<NORMAL_FLOWLINE ID="47"} </BLKDIA>}
    {move $data {<NORMAL_FLOWLINE ID="47"} </PROCEDUREDIA>} {move $data {<STATE_MA_SYM_STATE ID="34"} </BLKDIA>}
    {move $data {<STATE_MA_SYM_STATE ID="34"} </SYSDIA>} {move $data {<PROCEDURE_INST_REF ID="29"} </BLKDIA>}
    {move $data {<PRO_INST_REF ID="15"} </SYSDIA>} {move $data {<BLK_INST_REF ID="6"} </PRODIA>}
    {move $data {<TEXTSYM ID="3"} </PRODIA>} {move $data {<PAGE ID="8">} </SYSDIA>}
    {move $data {<PAGE ID="2">} </SYSDIA>} {string map {{PARENT_PAGE_ID="17"} {PARENT_PAGE_ID="8"}} $data}
    {regsub {PARENT_PAGE_ID="17"} $data {PARENT_PAGE_ID="31"}} {regsub {PARENT_PAGE_ID="8"} $data {PARENT_PAGE_ID="2"}}
    {string map {{<PAGE ID="31">} {<PAGE ID="17">}} $data} {string map {{<PAGE ID="8">} {<PAGE ID="7">}} $data}
    {string map {{<TEXTSYM ID="3"} {<TEXTSYM ID="6"}} $data} {string map {{<TEXTSYM ID="26"} {<TEXTSYM ID="16"}} $data}
    {string map {{<STATE_MA_SYM_STATE ID="43"} {<STATE_MA_SYM_STATE ID="34"}} $data}
    {string map {{<NORMAL_FLOWLINE ID="48"} {<NORMAL_FLOWLINE ID="47"}} $data}
    {string map {{<CHANNEL ID="10"} {<CHANNEL ID="9"}} $data}
    {regsub {(<FLOWLINE_SOURCE_ID>\n)[0-9]+} $data {\199}} {regsub {(<FLOWLINE_SOURCE_ID>\n)[0-9]+} $data {\12}}
    {regsub {(<FLOWLINE_DESTINATION_ID>\n)[0-9]+} $data {\126}} {regsub {(<FLOWLINE_SOURCE_ID>\n)[0-9]+} $data {\162}}
    {regsub {(<CHAN_SOURCE_ID IS_ENV="false">\n)[0-9]+} $data {\13}} {regsub {(<CHAN_SOURCE_ID IS_ENV="false">\n)[0-9]+} $data {\115}}
    {regsub {(<CHAN_SOURCE_ID IS_ENV=")false(">\n)[0-9]+} $data {\1true\2}} {regsub {(<CHAN_DESTINATION_ID IS_ENV=")false(">\n)[0-9]+} $data {\1true\2}}
    {regsub {(<CHAN_DESTINATION_ID IS_ENV=")true(">\n)[^<]*} $data {\1false\2\n}}
    {regsub {(<CHAN_DESTINATION_ID IS_ENV=")true(">\n)} $data {\1false\2}}
    {regsub -all {<COORDS>[^<]*</COORDS>} $data {<COORDS></COORDS>}} {regsub -all {<COORDS>\n[^<]*\n</COORDS>} $data "<COORDS>\n1 2 3\n</COORDS>"}
    {regsub {DIRECTION_TYPE="both"} $data {DIRECTION_TYPE="sideways"}} {regsub {DELAY_TYPE="no_delay"} $data {DELAY_TYPE="late"}}
    {regsub {(<DECISION_FLOWLINE[^>]*>)} $data {<NORMAL_FLOWLINE\1}}
    {string map {DECISION_FLOWLINE NORMAL_FLOWLINE} $data} {string map {NORMAL_FLOWLINE DECISION_FLOWLINE} $data}
    {string map {STATE_MA_SYM_START STATE_MA_SYM_STATE} $data} {string map {STATE_MA_SYM_STOP STATE_MA_SYM_TASK} $data}
    {string map {STATE_MA_SYM_DECISION STATE_MA_SYM_TASK} $data} {string map {STATE_MA_SYM_PROCEDURE_RETURN STATE_MA_SYM_STOP} $data}
    {string map {STATE_MA_SYM_PROCEDURE_START_STATE STATE_MA_SYM_START} $data} {string map {STATE_MA_SYM_INPUT STATE_MA_SYM_OUTPUT} $data}
    {string map {PRO_INST_REF PRO_TYPE_REF} $data} {string map {BLK_INST_REF BLK_TYPE_REF} $data}
    {string map {PROCEDURE_INST_REF TEXTSYM} $data}
}
proc crafted_loads {} {
    log SEED crafted
    puts stderr "SEED crafted"
    set k 0
    foreach src {d_every_construct.xml d_example_model.xml d_structure.xml d_rich.xml} {
        foreach t $::CRAFTED {
            set data [slurp $src]
            if {[string match {string map*} $t] && [llength $t] == 3} { lappend t $data }
            set data [eval $t]
            spit c.xml $data
            foreach call {{load_Model_from_File c.xml} {save_SDL_PR_in_File c0.pr false} {save_SDL_PR_in_File c1.pr true}
                {store_Model_in_File c2.xml} {load_Model_from_File c2.xml} {store_Model_in_File c3.xml}} {
                fresh_array
                set ::events {}
                retrace
                puts stderr "CMD [incr k]"
                set code [catch {{*}$call} result]
                log $call $code $result $::events
                if {[string match store* $call] || [string match save* $call]} { log FILE [file_state [lindex $call 1]] }
            }
        }
    }
}

# Runs and logs one call; returns the result array as a dict.
proc do_call {args} {
    fresh_array
    set ::events {}
    retrace
    puts stderr "CMD $args"
    set code [catch {{*}$args} result]
    log $args $code $result $::events
    if {[lindex $args 0] eq "save_SDL_PR_in_File"} { log FILE [file_state [lindex $args 1]] }
    set d {}
    catch {set d [array get ::Vemra_MAR::arr_MAR]}
    return $d
}
proc id_of {d key} { if {[dict exists $d $key]} { return [dict get $d $key] }; return -1 }

# A block with a process (and a procedure) whose state machines are random
# but mostly well formed: chains with branches, joins and loops.
proc random_state_machine {dia page procedure} {
    if {$procedure} {
        set kinds {StateMaProcedureStartStateSym StateMaStateSym StateMaInputSym StateMaTaskSym StateMaOutputSym
            StateMaDecisionSym StateMaProcedureReturnSym StateMaCallProcedureSym StateMaTaskSym StateMaStateSym}
    } else {
        set kinds {StateMaStartStateSym StateMaStateSym StateMaInputSym StateMaTaskSym StateMaOutputSym StateMaDecisionSym
            StateMaStopSym StateMaCreateProSym StateMaCallProcedureSym StateMaInputSym StateMaStateSym StateMaTaskSym
            StateMaConditionSym}
    }
    set syms {}
    set n [expr {2 + [rnd 12]}]
    for {set i 0} {$i < $n} {incr i} {
        set kind [expr {$i == 0 && [chance 0.9] ? [lindex $kinds 0] : [pick $kinds]}]
        set d [do_call insert_StateMachineSymbol_into_Model $dia $page $kind [rnd 500] [expr {40 * $i}] 60 30 [g_text]]
        lappend syms [list [id_of $d NewObj_Model_ID] $kind]
    }
    for {set i 0} {$i < $n} {incr i} {
        lassign [lindex $syms $i] from kind
        set targets [list [expr {$i + 1 < $n && [chance 0.8] ? $i + 1 : [rnd $n]}]]
        if {$kind eq "StateMaDecisionSym"} { lappend targets [rnd $n]; if {[chance 0.3]} { lappend targets [rnd $n] } }
        if {[chance 0.1]} { lappend targets [rnd $n] }
        if {$kind in {StateMaStopSym StateMaProcedureReturnSym} && [chance 0.8]} { set targets {} }
        foreach t $targets {
            set to [lindex $syms $t 0]
            if {$kind eq "StateMaDecisionSym"} {
                do_call insert_DecisionFlowLine_into_Model $dia $page $from $to "1 2 3 4" [pick {yes no else "(x)" ""}] "1 1 5 5"
            } else {
                do_call insert_FlowLine_into_Model $dia $page $from $to "1 2 3 4"
            }
        }
    }
    if {[chance 0.2] && [llength $syms]} { do_call delete_StateMachineSymbol_from_Model [lindex [pick $syms] 0] }
}
proc state_machine_models {count} {
    log SEED statemachines
    puts stderr "SEED statemachines"
    for {set k 0} {$k < $count} {incr k} {
        do_call create_EmptySysSpec
        set d [do_call insert_RecSym_into_Model 1 2 BlkInstRefSym 10 10 80 40 [g_text]]
        set blk [id_of $d RefDia_Model_ID]
        set bp [id_of [do_call get_FirstPageID_from_Model $blk] FirstPageID]
        if {[chance 0.5]} { do_call insert_BidirecChannel_into_Model 1 2 [pick {delay no_delay}] ENV [id_of $d NewObj_Model_ID] "0 5 10 5" [g_text] "1 1 1 1" [g_text] "" [g_text] "" [g_text] "" [g_text] "" }
        for {set p 0} {$p < 1 + [rnd 2]} {incr p} {
            set d [do_call insert_RecSym_into_Model $blk $bp ProInstRefSym 10 10 80 40 [g_text]]
            set pro [id_of $d RefDia_Model_ID]
            set pp [id_of [do_call get_FirstPageID_from_Model $pro] FirstPageID]
            if {[chance 0.3]} { do_call insert_RecSym_into_Model $pro $pp TextSym 0 0 50 50 [g_text] }
            random_state_machine $pro $pp 0
            if {[chance 0.4]} {
                set d [do_call insert_RecSym_into_Model $pro $pp ProcedureInstRefSym 10 10 80 40 [g_text]]
                set prc [id_of $d RefDia_Model_ID]
                do_call modify_ProcedureDiaFormalParameters_in_Model $prc [g_text]
                random_state_machine $prc [id_of [do_call get_FirstPageID_from_Model $prc] FirstPageID] 1
            }
        }
        do_call save_SDL_PR_in_File s0.pr false
        do_call save_SDL_PR_in_File s1.pr true
    }
}

proc child {lib dir first count steps datadir} {
    package require Tk
    wm withdraw .
    load $lib Sdl
    cd $dir
    foreach f [glob -directory $datadir *.xml] { file copy -force $f d_[file tail $f] }
    set ::out [open ../[file tail $dir].log w]
    no_model_calls $first
    if {$first == 1} { crafted_loads }
    expr {srand($first)}
    state_machine_models $count
    for {set s $first} {$s < $first + $count} {incr s} { run_seed $s $steps }
    close $::out
    exit 0
}

# ---------------------------------------------------------------- parent
proc split_log {path} {
    set seeds {}
    set cur {}
    set f [open $path r]
    set line ""
    while {[gets $f piece] >= 0} {
        append line $piece
        if {![info complete $line\n]} { append line \n; continue }
        if {[lindex $line 0] eq "SEED"} { set cur [lindex $line 1] }
        dict lappend seeds $cur $line
        set line ""
    }
    close $f
    return $seeds
}

proc run_child {lib dir first count steps datadir} {
    file delete -force $dir
    file mkdir $dir
    set rc [catch {exec [info nameofexecutable] $::self child $lib $dir $first $count $steps $datadir 2> $dir/../[file tail $dir].err} msg]
    if {$rc} { puts "child $lib: $msg" }
}

proc parent {old new first count {datadir ""} {steps 120} {batch 50}} {
    if {$datadir eq ""} { set datadir [file join [file dirname [file dirname $::self]] tests data] }
    set work [file join [pwd] difftest.work]
    file mkdir $work
    set diffs 0
    for {set b $first} {$b < $first + $count} {incr b $batch} {
        set n [expr {min($batch, $first + $count - $b)}]
        run_child [file normalize $old] $work/old $b $n $steps [file normalize $datadir]
        run_child [file normalize $new] $work/new $b $n $steps [file normalize $datadir]
        set lo [split_log $work/old.log]
        set ln [split_log $work/new.log]
        foreach s [dict keys $lo] {
            set a [dict get $lo $s]
            set c {}
            catch {set c [dict get $ln $s]}
            if {$a eq $c} continue
            incr diffs
            for {set i 0} {$i < max([llength $a], [llength $c])} {incr i} {
                if {[lindex $a $i] ne [lindex $c $i]} {
                    puts "DIFF seed $s line $i\n  old: [string range [lindex $a $i] 0 1500]\n  new: [string range [lindex $c $i] 0 1500]"
                    break
                }
            }
        }
        set eo [slurp $work/old.err]; set en [slurp $work/new.err]
        if {$eo ne $en} {
            incr diffs
            set lo [split $eo \n]; set ln [split $en \n]
            for {set i 0} {$i < max([llength $lo], [llength $ln])} {incr i} {
                if {[lindex $lo $i] ne [lindex $ln $i]} {
                    puts "STDERR DIFF batch $b line $i\n  old: [lindex $lo $i]\n  new: [lindex $ln $i]"
                    break
                }
            }
        }
        puts "seeds $b..[expr {$b + $n - 1}] done, differences so far: $diffs"
        flush stdout
    }
}

if {[lindex $argv 0] eq "child"} {
    child {*}[lrange $argv 1 end]
} else {
    parent {*}$argv
}
