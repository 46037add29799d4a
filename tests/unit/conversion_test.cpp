// Conversions of command arguments and of texts, and the status messages.
#include <gtest/gtest.h>

#include <climits>

#include "model/ArgConvert.h"
#include "model/Converter.h"
#include "tests/unit/test_support.h"

using namespace Vemra;
using namespace Vemra::ArgConvert;

TEST(ArgConvert, NumbersListsAndBoxes) {
  // Integers read like strtol and saturate.
  const std::pair<const char*, int> ints[] = {{"12abc", 12},
                                              {"abc", 0},
                                              {" -5", -5},
                                              {"", 0},
                                              {"99999999999999999999", INT_MAX},
                                              {"0x10", 0},
                                              {"-2147483649", INT_MIN},
                                              {"+5", 5},
                                              {"\t\n 7", 7},
                                              {"- 4", 0}};
  for (const auto& r : ints) EXPECT_EQ(get_Int(r.first), r.second) << r.first;
  // Every single blank separates two numbers; empty pieces read as 0.
  const std::pair<const char*, std::list<int>> lists[] = {
      {"10 20 30", {10, 20, 30}}, {"10  20", {10, 0, 20}}, {" 10 20 ", {0, 10, 20, 0}}, {"", {0}}, {"1\t2", {1}}};
  for (const auto& r : lists) {
    std::list<int> out{99};
    get_IntList_from_space_separated_IntListString(r.first, out);
    EXPECT_EQ(out, r.second) << r.first;
  }
  // Four numbers at most; missing ones keep the preset.
  const std::pair<const char*, const char*> boxes[] = {
      {"1 2 3 4 5", "1 2 3 4"}, {"7 8", "7 8 10 10"}, {" 1 2 3 4", "0 1 2 3"}};
  for (const auto& r : boxes) {
    ClsRecPaS pas(0, 0, 10, 10);
    get_PaS_from_space_separated_IntListString(r.first, pas);
    EXPECT_EQ(pas.get_PaS_as_String(), r.second) << r.first;
  }
}

TEST(ArgConvert, TypeNames) {
  EnumSym::Type type = EnumSym::TEXT_SYM;
  EXPECT_EQ(sdltest::stderr_of([&] { determine_SymbolType("textsym", type); }),
            "error in: void Vemra::TclExt::TclModelAccess::determine_SymbolType(const string str_SymbolType, "
            "e_SymbolType & SymbolType)\nunknown Tcl-SymbolType\n");
  EXPECT_EQ(type, EnumSym::NONE);
  determine_SymbolType("ProcedureInstRefSym", type);
  EXPECT_EQ(type, EnumSym::PROCEDURE_INST_REF_SYM);
  ClsStateMachineSymbol::e_StateMachineSymbolType sm = ClsStateMachineSymbol::STATE;
  EXPECT_EQ(sdltest::stderr_of([&] { determine_StateMachineSymbolType("StateMaStartSym", sm); }),
            "error in: void Vemra::TclExt::TclModelAccess::determine_StateMachineSymbolType(...)\n"
            "unknown Tcl-SymbolType\n");
  EXPECT_EQ(sm, ClsStateMachineSymbol::NONE);
  determine_StateMachineSymbolType("StateMaProcedureReturnSym", sm);
  EXPECT_EQ(sm, ClsStateMachineSymbol::PROCEDURE_RETURN);
  // Unknown channel names leave the type alone (the known ones are read
  // back through the commands).
  ClsChannel::e_DirectionType dir = ClsChannel::FROM_SOURCE;
  EXPECT_FALSE(determine_ChannelDirectionType("Both", dir));
  EXPECT_EQ(dir, ClsChannel::FROM_SOURCE);
  EXPECT_EQ(get_DiagramTypeAsString(EnumDia::PROCEDURE_DIA), "ProcedureDia");
  EXPECT_EQ(get_DiagramTypeAsString(static_cast<EnumDia::Type>(7)), "none");
}

TEST(Converter, ReplaceEscapesAndNumbers) {
  struct Row {
    const char *text, *from, *to, *want;
  };
  const Row replace_rows[] = {// left to right, without overlap
                              {"aXbXc", "X", "YY", "aYYbYYc"},
                              {"abc", "", "Z", "abc"},
                              {"XXX", "XX", "X", "XX"},
                              {"&&", "&", "&amp;", "&amp;&amp;"}};
  for (const Row& r : replace_rows) EXPECT_EQ(Converter::replace(r.text, r.from, r.to), r.want) << r.text;
  EXPECT_EQ(Converter::StringToMAR_String("}x{y}"), "a\\}xa\\{ya\\}");
  // Digits only; on failure the value is left alone (7).
  struct IntRow {
    const char* text;
    bool ok;
    int want;
  };
  const IntRow ints[] = {{"0042", true, 42}, {"-5", false, 7}, {"5 ", false, 7},
                         {"+5", false, 7},   {"", true, 0},    {"99999999999999999999999", true, 2147483647}};
  for (const IntRow& r : ints) {
    int v = 7;
    EXPECT_EQ(Converter::String_To_Int(r.text, v), r.ok) << r.text;
    EXPECT_EQ(v, r.want) << r.text;
  }
  EXPECT_EQ(Converter::IntList_to_String({10, -5, 7}), "10 -5 7");
  // Empty tokens read as 0; parsing stops at the first bad token.
  struct ListRow {
    const char* text;
    bool ok;
    std::list<int> want;
  };
  const ListRow lists[] = {{"12 34 56", true, {12, 34, 56}},
                           {"", true, {0}},
                           {"1  2", true, {1, 0, 2}},
                           {" 1", true, {0, 1}},
                           {"1 a 3", false, {1}},
                           {"10 -5 7", false, {10}}};
  for (const ListRow& r : lists) {
    std::list<int> out{99};
    EXPECT_EQ(Converter::IntListString_To_IntList(r.text, out), r.ok) << r.text;
    EXPECT_EQ(out, r.want) << r.text;
  }
}

// The statuses' messages are read through the commands; the error reporter
// has its own for the statuses without one.
TEST(AccessInfo, ErrorReporterMessages) {
  using E = ClsMoAccess_ErrorReporter;
  EXPECT_EQ(E(E::GET_PAGE_UNKNOWN).get_ErrorMessage(), "GET: page unknown");
  EXPECT_EQ(E(E::INSERT_LOCATION_UNKNOWN).get_ErrorMessage(), "unspecified error");
  // Same order as the outcomes without the eight success values.
  EXPECT_EQ(static_cast<int>(E::UNKNOWN_ACCESS_TYPE), static_cast<int>(ClsMoAccessInfo::UNKNOWN_ACCESS_TYPE) - 8);
}
