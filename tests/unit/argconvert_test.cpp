// Argument conversions of the command layer (no Tcl needed).
#include <gtest/gtest.h>

#include <climits>

#include "tclext/ArgConvert.cpp"

using namespace Vemra;
using namespace Vemra::TclExt::TclModelAccess;

TEST(ArgConvert, IntegersReadLikeStrtolAndSaturate) {
  EXPECT_EQ(get_Int("12abc"), 12);
  EXPECT_EQ(get_Int("abc"), 0);
  EXPECT_EQ(get_Int(" -5"), -5);
  EXPECT_EQ(get_Int(""), 0);
  EXPECT_EQ(get_Int("99999999999999999999"), INT_MAX);
  EXPECT_EQ(get_Int("-2147483649"), INT_MIN);
  EXPECT_EQ(get_Int("0x10"), 0);
  EXPECT_EQ(get_Int("+5"), 5);
  EXPECT_EQ(get_Int("-0"), 0);
  EXPECT_EQ(get_Int("\t\n 7"), 7);
  EXPECT_EQ(get_Int("- 4"), 0);
  EXPECT_EQ(get_Int("2147483648"), INT_MAX);
  EXPECT_EQ(get_Int(std::string("-2147483648")), INT_MIN);
}

TEST(ArgConvert, IntListsTurnEmptyPiecesIntoZeros) {
  std::list<int> out{9};
  get_IntList_from_space_separated_IntListString("25", out);
  EXPECT_EQ(out, (std::list<int>{25}));
  get_IntList_from_space_separated_IntListString("10 20 30", out);
  EXPECT_EQ(out, (std::list<int>{10, 20, 30}));
  get_IntList_from_space_separated_IntListString("10  20", out);
  EXPECT_EQ(out, (std::list<int>{10, 0, 20}));
  get_IntList_from_space_separated_IntListString(" 10 20 ", out);
  EXPECT_EQ(out, (std::list<int>{0, 10, 20, 0}));
  get_IntList_from_space_separated_IntListString("", out);
  EXPECT_EQ(out, (std::list<int>{0}));
  get_IntList_from_space_separated_IntListString("1\t2", out);
  EXPECT_EQ(out, (std::list<int>{1}));
}

TEST(ArgConvert, PaSTakesFourNumbersAndKeepsThePresetForMissingOnes) {
  ClsRecPaS pas(0, 0, 10, 10);
  get_PaS_from_space_separated_IntListString("1 2 3 4 5", pas);
  EXPECT_EQ(pas.get_PaS_as_String(), "1 2 3 4");
  ClsRecPaS preset(0, 0, 10, 10);
  get_PaS_from_space_separated_IntListString("7 8", preset);
  EXPECT_EQ(preset.get_PaS_as_String(), "7 8 10 10");
  // A leading blank is an empty first number.
  get_PaS_from_space_separated_IntListString(" 1 2 3 4", preset);
  EXPECT_EQ(preset.get_PaS_as_String(), "0 1 2 3");
}

TEST(ArgConvert, UnknownSymbolNamesGiveZeroAndTwoDebugLines) {
  EnumSym::Type type = EnumSym::TEXT_SYM;
  testing::internal::CaptureStderr();
  determine_SymbolType("textsym", type);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "error in: void Vemra::TclExt::TclModelAccess::determine_SymbolType(const string str_SymbolType, "
            "e_SymbolType & SymbolType)\nunknown Tcl-SymbolType\n");
  EXPECT_EQ(type, EnumSym::NONE);
  determine_SymbolType("ProcedureInstRefSym", type);
  EXPECT_EQ(type, EnumSym::PROCEDURE_INST_REF_SYM);

  ClsStateMachineSymbol::e_StateMachineSymbolType sm = ClsStateMachineSymbol::STATE;
  testing::internal::CaptureStderr();
  determine_StateMachineSymbolType("StateMaStartSym", sm);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "error in: void Vemra::TclExt::TclModelAccess::determine_StateMachineSymbolType(...)\n"
            "unknown Tcl-SymbolType\n");
  EXPECT_EQ(sm, ClsStateMachineSymbol::NONE);
  determine_StateMachineSymbolType("StateMaProcedureReturnSym", sm);
  EXPECT_EQ(sm, ClsStateMachineSymbol::PROCEDURE_RETURN);
}

TEST(ArgConvert, ChannelNamesLeaveTheTypeAloneWhenUnknown) {
  ClsChannel::e_DirectionType dir = ClsChannel::FROM_SOURCE;
  EXPECT_FALSE(determine_ChannelDirectionType("Both", dir));
  EXPECT_EQ(dir, ClsChannel::FROM_SOURCE);
  EXPECT_TRUE(determine_ChannelDirectionType("from_destination", dir));
  EXPECT_EQ(dir, ClsChannel::FROM_DESTINATION);
  ClsChannel::e_DelayType delay = ClsChannel::DELAY;
  EXPECT_TRUE(determine_ChannelDelayType("no_delay", delay));
  EXPECT_EQ(delay, ClsChannel::NO_DELAY);
  ClsChanComp::e_CompType comp = ClsChanComp::NAME;
  EXPECT_TRUE(determine_ChanCompType("ChanDestCon", comp));
  EXPECT_EQ(comp, ClsChanComp::DEST_CON);
  EXPECT_FALSE(determine_ChanCompType("ChanDest", comp));
  EXPECT_TRUE(ChannelConPoint_is_Enviroment("ENV"));
  EXPECT_FALSE(ChannelConPoint_is_Enviroment("ENV "));
  EXPECT_EQ(get_DiagramTypeAsString(EnumDia::PROCEDURE_DIA), "ProcedureDia");
  EXPECT_EQ(get_DiagramTypeAsString(static_cast<EnumDia::Type>(7)), "none");
}
