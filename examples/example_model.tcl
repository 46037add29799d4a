# Builds a small but complete system model through the sdl commands, as the
# editor would while the user draws it, and returns the important model IDs.
#
#   system Demo: a text symbol, block Ctrl, channels from and to the environment
#   block Ctrl:  a text symbol, process Handler, a channel from the environment
#   process Handler: start -> Idle -> input req -> decision ready
#                    (true) -> output ack -> Idle, (false) -> Idle
#
# The result array ::Vemra_MAR::arr_MAR must exist (it is created here if not).

namespace eval ::Vemra_MAR { variable arr_MAR; if {![array exists arr_MAR]} { array set arr_MAR {} } }

# The value of a key of the result array.
proc example_mar {key} { return $::Vemra_MAR::arr_MAR($key) }

# Inserts a structure symbol and returns {symbolID referencedDiagramID}
# (the second is "" for symbols that reference no diagram).
proc example_symbol {dia page type x y w h text} {
    insert_RecSym_into_Model $dia $page $type $x $y $w $h $text
    set ref ""
    if {[info exists ::Vemra_MAR::arr_MAR(RefDia_Model_ID)]} { set ref [example_mar RefDia_Model_ID] }
    return [list [example_mar NewObj_Model_ID] $ref]
}

# Inserts a channel without direction-specific texts; returns its ID.
proc example_channel {dia page from to coords name sigs} {
    set box {0 0 10 10}
    insert_BidirecChannel_into_Model $dia $page no_delay $from $to $coords \
        $name {5 5 40 12} $sigs {5 20 60 12} "" $box "" $box "" $box
    return [example_mar NewObj_Model_ID]
}

# Inserts a state-machine symbol; returns its ID.
proc example_sm {dia page type x y text} {
    insert_StateMachineSymbol_into_Model $dia $page $type $x $y 100 40 $text
    return [example_mar NewObj_Model_ID]
}

# Joins two state-machine symbols with a straight flow line; returns its ID.
proc example_flow {dia page from to coords {answer ""}} {
    if {$answer eq ""} {
        insert_FlowLine_into_Model $dia $page $from $to $coords
    } else {
        insert_DecisionFlowLine_into_Model $dia $page $from $to $coords $answer {0 0 30 12}
    }
    return [example_mar NewObj_Model_ID]
}

# Builds the model and returns a dict of its IDs.
proc build_example_model {} {
    create_EmptySysSpec
    modify_SysDiaName_in_Model Demo
    get_System_Model_ID
    set sys [example_mar System_Model_ID]
    get_FirstPageID_from_Model $sys
    set sysPage [example_mar FirstPageID]
    add_NewPage_after_in_Model $sys $sysPage
    get_NextPageID_from_Model $sys $sysPage
    set sysPage2 [example_mar NextPageID]

    set sysText [lindex [example_symbol $sys $sysPage TextSym 20 20 200 40 "SIGNAL req, ack;"] 0]
    lassign [example_symbol $sys $sysPage BlkInstRefSym 300 200 120 80 Ctrl] block blockDia
    set chanIn [example_channel $sys $sysPage ENV $block {0 240 300 240} cIn req]
    set chanOut [example_channel $sys $sysPage $block ENV {420 240 800 240} cOut ack]

    get_FirstPageID_from_Model $blockDia
    set blockPage [example_mar FirstPageID]
    set blockText [lindex [example_symbol $blockDia $blockPage TextSym 20 20 200 40 "/* controller */"] 0]
    lassign [example_symbol $blockDia $blockPage ProInstRefSym 300 200 120 80 Handler] process processDia
    set routeIn [example_channel $blockDia $blockPage ENV $process {0 240 300 240} rIn req]

    get_FirstPageID_from_Model $processDia
    set procPage [example_mar FirstPageID]
    set start [example_sm $processDia $procPage StateMaStartStateSym 350 20 ""]
    set idle [example_sm $processDia $procPage StateMaStateSym 350 100 Idle]
    set input [example_sm $processDia $procPage StateMaInputSym 350 180 req]
    set decision [example_sm $processDia $procPage StateMaDecisionSym 350 260 ready]
    set output [example_sm $processDia $procPage StateMaOutputSym 200 340 ack]
    set again [example_sm $processDia $procPage StateMaStateSym 200 420 Idle]
    set waiting [example_sm $processDia $procPage StateMaStateSym 500 340 Idle]
    set flows [list \
        [example_flow $processDia $procPage $start $idle {400 60 400 100}] \
        [example_flow $processDia $procPage $idle $input {400 140 400 180}] \
        [example_flow $processDia $procPage $input $decision {400 220 400 260}] \
        [example_flow $processDia $procPage $output $again {250 380 250 420}]]
    set answers [list \
        [example_flow $processDia $procPage $decision $output {400 300 250 340} true] \
        [example_flow $processDia $procPage $decision $waiting {400 300 550 340} false]]

    return [dict create system $sys sysPage $sysPage sysPage2 $sysPage2 sysText $sysText \
        block $block blockDia $blockDia blockPage $blockPage blockText $blockText \
        chanIn $chanIn chanOut $chanOut routeIn $routeIn \
        process $process processDia $processDia procPage $procPage \
        start $start idle $idle input $input decision $decision output $output again $again waiting $waiting \
        flows $flows answers $answers]
}
