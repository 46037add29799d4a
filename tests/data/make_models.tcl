# Writes the model files of the SDL-92 export tests (run once, under X, with
# SDL_LIB_DIR naming the folder of libsdl.so):
#   example_model.xml    the README example (examples/example_model.tcl)
#   every_construct.xml  every construct the export writes, with names that
#                        need changing, a channel without signals, a signal
#                        route that no channel carries, labels and JOINs
package require Tk
wm withdraw .
load [file join $::env(SDL_LIB_DIR) libsdl.so] Sdl
set here [file dirname [file normalize [info script]]]
source [file join $here .. .. examples example_model.tcl]

build_example_model
store_Model_in_File [file join $here example_model.xml]

proc chan {dia page from to name out in} {
    set box {0 0 10 10}
    insert_BidirecChannel_into_Model $dia $page no_delay $from $to {0 0 10 10} \
        $name $box $out $box "" $box $in $box "" $box
}
proc first_page {dia} { get_FirstPageID_from_Model $dia; example_mar FirstPageID }
# Symbols by name: "sm NAME TYPE X Y TEXT" on the current diagram, then
# "flows {FROM TO ?ANSWER?} ..." joins them.
proc sm {name type x y text} { set ::S($name) [example_sm $::dia $::page $type $x $y $text] }
proc flows {args} {
    foreach f $args { example_flow $::dia $::page $::S([lindex $f 0]) $::S([lindex $f 1]) {0 0 0 10} [lindex $f 2] }
}

create_EmptySysSpec
modify_SysDiaName_in_Model Every
get_System_Model_ID
set sys [example_mar System_Model_ID]
set p [first_page $sys]
example_symbol $sys $p TextSym 10 10 200 60 "SIGNAL go, data(Integer), done;\n/* interface */\nSYNONYM limit Integer = 3;"
lassign [example_symbol $sys $p BlkInstRefSym 300 200 120 80 Unit] unit unitDia
chan $sys $p ENV $unit c1 "go, data" done
chan $sys $p $unit ENV "to env" done ""
chan $sys $p ENV $unit empty "" ""

set p [first_page $unitDia]
example_symbol $unitDia $p TextSym 10 10 200 40 "/* only a comment */"
lassign [example_symbol $unitDia $p ProInstRefSym 100 100 120 80 Main] main mainDia
lassign [example_symbol $unitDia $p ProInstRefSym 400 100 120 80 Worker] worker workerDia
chan $unitDia $p ENV $main r1 go ""
chan $unitDia $p ENV $main r2 data ""
chan $unitDia $p $main ENV r3 done ""
chan $unitDia $p ENV $worker r4 lost ""
chan $unitDia $p $main $worker r5 go ""

set dia $mainDia
set page [first_page $dia]
example_symbol $dia $page TextSym 600 10 150 40 "DCL n Integer; /* counter */"
lassign [example_symbol $dia $page ProcedureInstRefSym 600 100 120 60 Reset] reset resetDia
sm start StateMaStartStateSym 100 10 ""
sm init StateMaTaskSym 100 70 "n := 0"
sm wait StateMaStateSym 100 130 "wait here"
sm go StateMaInputSym 100 190 go
sm data StateMaInputSym 300 190 data
sm ask StateMaDecisionSym 100 250 "n > limit"
sm create StateMaCreateProSym 0 310 Worker
sm out StateMaOutputSym 0 370 done
sm stop StateMaStopSym 0 430 ""
sm call StateMaCallProcedureSym 200 310 "Reset(n)"
sm count StateMaTaskSym 200 370 "n := n + 1"
sm back StateMaStateSym 200 430 "wait here"
sm wait2 StateMaStateSym 400 130 "wait here"
sm ready StateMaInputSym 400 190 done
sm kw StateMaStateSym 400 250 state
flows {start init} {init wait} {wait go} {wait data} {go ask} {ask create Else} {ask call true} \
    {create out} {out stop} {call count} {data count} {count back} {wait2 ready} {ready kw}

set dia $resetDia
set page [first_page $dia]
modify_ProcedureDiaFormalParameters_in_Model $dia "x Integer"
example_symbol $dia $page TextSym 300 10 150 40 "DCL y Integer;"
sm pstart StateMaProcedureStartStateSym 100 10 ""
sm assign StateMaTaskSym 100 70 "y := x"
sm ret StateMaProcedureReturnSym 100 130 ""
flows {pstart assign} {assign ret}

set dia $workerDia
set page [first_page $dia]
sm wstart StateMaStartStateSym 100 10 ""
sm a StateMaStateSym 100 70 A
sm shared StateMaInputSym 100 130 go
sm work StateMaTaskSym 100 190 "x"
sm b StateMaStateSym 100 250 2nd
flows {wstart a} {a shared} {shared work} {work b} {b shared}

store_Model_in_File [file join $here every_construct.xml]
exit
