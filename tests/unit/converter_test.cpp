#include <gtest/gtest.h>

#include "model/Converter.h"
#include "model/MoAccessInfo.h"

using namespace Vemra;

TEST(Converter, ReplaceAndBraceEscaping) {
  struct Row { const char *text, *from, *to, *want; };
  const Row replace_rows[] = {  // left to right, without overlap
      {"aXbXc", "X", "YY", "aYYbYYc"}, {"abc", "", "Z", "abc"},          {"", "X", "Z", ""},
      {"XXX", "XX", "X", "XX"},        {"&&", "&", "&amp;", "&amp;&amp;"}, {"no match", "Q", "R", "no match"},
  };
  for (const Row& r : replace_rows) EXPECT_EQ(Converter::replace(r.text, r.from, r.to), r.want) << r.text;
  // long texts need no recursion depth
  EXPECT_EQ(Converter::replace(std::string(1000000, 'X'), "X", "ab").size(), 2000000u);

  EXPECT_EQ(Converter::StringToMAR_String("x{y}"), "xa\\{ya\\}");
  EXPECT_EQ(Converter::StringToMAR_String("plain text"), "plain text");
  EXPECT_EQ(Converter::StringToMAR_String("}{"), "a\\}a\\{");
}

TEST(Converter, StringToIntAcceptsDigitsOnly) {
  struct Row { const char* text; bool ok; int want; };  // want 7: left alone
  const Row rows[] = {{"0042", true, 42}, {"-5", false, 7}, {"5 ", false, 7}, {"+5", false, 7},
                      {"", true, 0},      {"99999999999999999999999", true, 2147483647}};
  for (const Row& r : rows) {
    int v = 7;
    EXPECT_EQ(Converter::String_To_Int(r.text, v), r.ok) << r.text;
    EXPECT_EQ(v, r.want) << r.text;
  }
}

TEST(Converter, IntListsToAndFromText) {
  std::list<int> values{10, -5, 7};
  EXPECT_EQ(Converter::IntList_to_String(values), "10 -5 7");
  EXPECT_EQ(Converter::IntList_to_String({}), "");
  EXPECT_EQ(Converter::Int_to_String(-17), "-17");

  // Empty tokens read as 0; parsing stops at the first bad token.
  struct Row { const char* text; bool ok; std::list<int> want; };
  const Row rows[] = {
      {"12 34 56", true, {12, 34, 56}}, {"7", true, {7}},           {"", true, {0}},
      {"1  2", true, {1, 0, 2}},        {"1 2 ", true, {1, 2, 0}},  {" 1", true, {0, 1}},
      {"1 a 3", false, {1}},            {"10 -5 7", false, {10}},   {"1\t2", false, {}},
  };
  for (const Row& r : rows) {
    std::list<int> out{99};
    EXPECT_EQ(Converter::IntListString_To_IntList(r.text, out), r.ok) << r.text;
    EXPECT_EQ(out, r.want) << r.text;
  }
}

TEST(AccessInfo, MessagesAndSuccessValues) {
  ClsMoAccessInfo info;
  EXPECT_EQ(info.get_Info(), ClsMoAccessInfo::NOT_SET);
  EXPECT_STREQ(info.get_Info_Message(), "GetInfo-Error");
  struct Row { ClsMoAccessInfo::e_ResultType v; const char* msg; };
  const Row rows[] = {
      {ClsMoAccessInfo::GET_OK, "GetInfo-Error"},
      {ClsMoAccessInfo::INSERT_LOCATION_NO_DIAGRAM, "INSERT: location no diagram"},
      {ClsMoAccessInfo::PAGE_INSERT_ANCESTOR_UNKNOWN, "PAGE-INSERT: ancestor page unknown"},
      {ClsMoAccessInfo::INSERT_LOCATION_UNKNOWN, "GetInfo-Error"},
      {ClsMoAccessInfo::GET_SYMBOL_NOT_IN_LOCATION, "GET: requested symbol not part of location"},
      {ClsMoAccessInfo::GET_PAGE_UNKNOWN, "GET: page unknown"},
      {ClsMoAccessInfo::INSERT_UNCONSIDERED_SYMBOL, "INSERT: unconsidered symbol"},
      {ClsMoAccessInfo::INSERT_PAGE_UNKNOWN, "INSERT: page unknown"},
      {ClsMoAccessInfo::PAGE_DELETE_ONE_PAGE_NEEDED, "PAGE-DELETE: one page needed"},
  };
  for (const Row& r : rows) {
    info.set_Info(r.v);
    EXPECT_STREQ(info.get_Info_Message(), r.msg) << r.v;
  }
}

TEST(AccessInfo, ErrorReporterMirrorsTheMessages) {
  using E = ClsMoAccess_ErrorReporter;
  struct Row { E::e_ErrorType v; const char* msg; };
  const Row rows[] = {
      {E::GET_PAGE_UNKNOWN, "GET: page unknown"},
      {E::INSERT_LOCATION_UNKNOWN, "unspecified error"},
      {E::PAGE_DELETE_ONE_PAGE_NEEDED, "PAGE-DELETE: one page needed"},
      {E::GET_SYMBOL_NOT_IN_LOCATION, "GET: requested symbol not part of location"},
      {E::NOT_SET, "unspecified error"},
  };
  for (const Row& r : rows) EXPECT_EQ(E(r.v).get_ErrorMessage(), r.msg) << r.v;
  EXPECT_EQ(E(E::UNKNOWN_ACCESS_TYPE).get_ErrorType(), E::UNKNOWN_ACCESS_TYPE);
  // Same order as the outcomes without the eight success values.
  EXPECT_EQ(static_cast<int>(E::UNKNOWN_ACCESS_TYPE), static_cast<int>(ClsMoAccessInfo::UNKNOWN_ACCESS_TYPE) - 8);
}
