# Writes the model files of the SDL-92 export tests, once, under X:
#   SDL_LIB_DIR=<build>/lib xvfb-run -a tclsh tests/data/make_models.tcl
# example_model.xml is the README example; every_construct.xml has every
# construct of the export, names to change, a channel without signals, a
# signal route that no channel carries, labels and JOINs.
package require Tk
wm withdraw .
load [file join $::env(SDL_LIB_DIR) libsdl.so] Sdl
set here [file dirname [file normalize [info script]]]
source [file join $here .. .. examples example_model.tcl]
build_example_model
store_Model_in_File [file join $here example_model.xml]

proc chan {dia from to name out in} {
    set b {0 0 10 10}
    insert_BidirecChannel_into_Model $dia [page $dia] no_delay $from $to $b $name $b $out $b "" $b $in $b "" $b
}
proc page {dia} { get_FirstPageID_from_Model $dia; example_mar FirstPageID }
proc sym {dia type x y w h text} { example_symbol $dia [page $dia] $type $x $y $w $h $text }
# "sm NAME TYPE X Y TEXT" on diagram ::dia; "flows {FROM TO ?ANSWER?} ..." joins them.
proc sm {name type x y text} { set ::S($name) [example_sm $::dia [page $::dia] $type $x $y $text] }
proc flows {args} {
    foreach f $args { example_flow $::dia [page $::dia] $::S([lindex $f 0]) $::S([lindex $f 1]) {0 0 0 10} [lindex $f 2] }
}

create_EmptySysSpec
modify_SysDiaName_in_Model Every
set sys 1
sym $sys TextSym 10 10 200 60 "SIGNAL go, data(Integer), done;\n/* interface */\nSYNONYM limit Integer = 3;"
lassign [sym $sys BlkInstRefSym 300 200 120 80 Unit] unit unitDia
chan $sys ENV $unit c1 "go, data" done
chan $sys $unit ENV "to env" done ""
chan $sys ENV $unit empty "" ""

sym $unitDia TextSym 10 10 200 40 "/* only a comment */"
lassign [sym $unitDia ProInstRefSym 100 100 120 80 Main] main mainDia
lassign [sym $unitDia ProInstRefSym 400 100 120 80 Worker] worker workerDia
foreach {from to name sigs} [list ENV $main r1 go ENV $main r2 data $main ENV r3 done ENV $worker r4 lost \
                                 $main $worker r5 go] {
    chan $unitDia $from $to $name $sigs ""
}

set dia $mainDia
sym $dia TextSym 600 10 150 40 "DCL n Integer; /* counter */"
lassign [sym $dia ProcedureInstRefSym 600 100 120 60 Reset] reset resetDia
foreach {name type x y text} {
    start StartState 100 10 "" init Task 100 70 "n := 0" wait State 100 130 "wait here" go Input 100 190 go
    data Input 300 190 data ask Decision 100 250 "n > limit" create CreatePro 0 310 Worker out Output 0 370 done
    stop Stop 0 430 "" call CallProcedure 200 310 "Reset(n)" count Task 200 370 "n := n + 1"
    back State 200 430 "wait here" wait2 State 400 130 "wait here" ready Input 400 190 done kw State 400 250 state
} { sm $name StateMa${type}Sym $x $y $text }
flows {start init} {init wait} {wait go} {wait data} {go ask} {ask create Else} {ask call true} \
    {create out} {out stop} {call count} {data count} {count back} {wait2 ready} {ready kw}

set dia $resetDia
modify_ProcedureDiaFormalParameters_in_Model $dia "x Integer"
sym $dia TextSym 300 10 150 40 "DCL y Integer;"
foreach {name type x y text} {pstart ProcedureStartState 100 10 "" assign Task 100 70 "y := x"
                               ret ProcedureReturn 100 130 ""} { sm $name StateMa${type}Sym $x $y $text }
flows {pstart assign} {assign ret}

set dia $workerDia
foreach {name type x y text} {wstart StartState 100 10 "" a State 100 70 A shared Input 100 130 go
                              work Task 100 190 x b State 100 250 2nd} { sm $name StateMa${type}Sym $x $y $text }
flows {wstart a} {a shared} {shared work} {work b} {b shared}

store_Model_in_File [file join $here every_construct.xml]
exit
