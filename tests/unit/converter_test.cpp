#include <gtest/gtest.h>

#include "model/Converter.h"
#include "model/MoAccessInfo.h"

using namespace Vemra;

TEST(Converter, ReplaceIsLeftToRightWithoutOverlap) {
  EXPECT_EQ(Converter::replace("aXbXc", "X", "YY"), "aYYbYYc");
  EXPECT_EQ(Converter::replace("abc", "", "Z"), "abc");
  EXPECT_EQ(Converter::replace("", "X", "Z"), "");
  EXPECT_EQ(Converter::replace("XXX", "XX", "X"), "XX");
  EXPECT_EQ(Converter::replace("&&", "&", "&amp;"), "&amp;&amp;");
  EXPECT_EQ(Converter::replace("no match", "Q", "R"), "no match");
}

TEST(Converter, ReplaceHandlesLongTextsWithoutRecursionDepth) {
  std::string big(1000000, 'X');
  std::string out = Converter::replace(big, "X", "ab");
  EXPECT_EQ(out.size(), 2000000u);
}

TEST(Converter, BraceEscaping) {
  EXPECT_EQ(Converter::StringToMAR_String("x{y}"), "xa\\{ya\\}");
  EXPECT_EQ(Converter::StringToMAR_String("plain text"), "plain text");
  EXPECT_EQ(Converter::StringToMAR_String("}{"), "a\\}a\\{");
}

TEST(Converter, StringToIntAcceptsDigitsOnly) {
  int v = 7;
  EXPECT_TRUE(Converter::String_To_Int("0042", v));
  EXPECT_EQ(v, 42);
  v = 7;
  EXPECT_FALSE(Converter::String_To_Int("-5", v));
  EXPECT_EQ(v, 7);
  EXPECT_FALSE(Converter::String_To_Int("5 ", v));
  EXPECT_FALSE(Converter::String_To_Int("+5", v));
  EXPECT_EQ(v, 7);
  EXPECT_TRUE(Converter::String_To_Int("", v));
  EXPECT_EQ(v, 0);
  EXPECT_TRUE(Converter::String_To_Int("99999999999999999999999", v));
  EXPECT_EQ(v, 2147483647);
}

TEST(Converter, IntListRoundTrip) {
  std::list<int> l{10, -5, 7};
  EXPECT_EQ(Converter::IntList_to_String(l), "10 -5 7");
  std::list<int> empty;
  EXPECT_EQ(Converter::IntList_to_String(empty), "");
  std::list<int> out;
  EXPECT_FALSE(Converter::IntListString_To_IntList("10 -5 7", out));
  EXPECT_EQ(out, (std::list<int>{10}));
  EXPECT_EQ(Converter::Int_to_String(-17), "-17");
}

TEST(Converter, IntListParsingOfEmptyTokens) {
  std::list<int> out{99};
  EXPECT_TRUE(Converter::IntListString_To_IntList("12 34 56", out));
  EXPECT_EQ(out, (std::list<int>{12, 34, 56}));
  EXPECT_TRUE(Converter::IntListString_To_IntList("7", out));
  EXPECT_EQ(out, (std::list<int>{7}));
  EXPECT_TRUE(Converter::IntListString_To_IntList("", out));
  EXPECT_EQ(out, (std::list<int>{0}));
  EXPECT_TRUE(Converter::IntListString_To_IntList("1  2", out));
  EXPECT_EQ(out, (std::list<int>{1, 0, 2}));
  EXPECT_TRUE(Converter::IntListString_To_IntList("1 2 ", out));
  EXPECT_EQ(out, (std::list<int>{1, 2, 0}));
  EXPECT_TRUE(Converter::IntListString_To_IntList(" 1", out));
  EXPECT_EQ(out, (std::list<int>{0, 1}));
  EXPECT_FALSE(Converter::IntListString_To_IntList("1 a 3", out));
  EXPECT_EQ(out, (std::list<int>{1}));
  EXPECT_FALSE(Converter::IntListString_To_IntList("1\t2", out));
}

TEST(AccessInfo, MessagesAndSuccessValues) {
  ClsMoAccessInfo info;
  EXPECT_EQ(info.get_Info(), ClsMoAccessInfo::NOT_SET);
  EXPECT_STREQ(info.get_Info_Message(), "GetInfo-Error");
  info.set_Info(ClsMoAccessInfo::GET_OK);
  EXPECT_STREQ(info.get_Info_Message(), "GetInfo-Error");
  info.set_Info(ClsMoAccessInfo::INSERT_LOCATION_NO_DIAGRAM);
  EXPECT_STREQ(info.get_Info_Message(), "INSERT: location no diagram");
  info.set_Info(ClsMoAccessInfo::PAGE_INSERT_ANCESTOR_UNKNOWN);
  EXPECT_STREQ(info.get_Info_Message(), "PAGE-INSERT: ancestor page unknown");
  info.set_Info(ClsMoAccessInfo::INSERT_LOCATION_UNKNOWN);
  EXPECT_STREQ(info.get_Info_Message(), "GetInfo-Error");
  struct Row { ClsMoAccessInfo::e_ResultType v; const char* msg; };
  const Row rows[] = {
      {ClsMoAccessInfo::GET_SYMBOL_NOT_IN_LOCATION, "GET: requested symbol not part of location"},
      {ClsMoAccessInfo::GET_PAGE_UNKNOWN, "GET: page unknown"},
      {ClsMoAccessInfo::INSERT_UNCONSIDERED_SYMBOL, "INSERT: unconsidered symbol"},
      {ClsMoAccessInfo::INSERT_PAGE_UNKNOWN, "INSERT: page unknown"},
      {ClsMoAccessInfo::PAGE_DELETE_ONE_PAGE_NEEDED, "PAGE-DELETE: one page needed"},
  };
  for (const Row& r : rows) {
    info.set_Info(r.v);
    EXPECT_STREQ(info.get_Info_Message(), r.msg);
  }
}

TEST(AccessInfo, ErrorReporterMirrorsTheMessages) {
  EXPECT_EQ(ClsMoAccess_ErrorReporter(ClsMoAccess_ErrorReporter::GET_PAGE_UNKNOWN).get_ErrorMessage(),
            "GET: page unknown");
  EXPECT_EQ(ClsMoAccess_ErrorReporter(ClsMoAccess_ErrorReporter::INSERT_LOCATION_UNKNOWN).get_ErrorMessage(),
            "unspecified error");
  EXPECT_EQ(ClsMoAccess_ErrorReporter(ClsMoAccess_ErrorReporter::UNKNOWN_ACCESS_TYPE).get_ErrorType(),
            ClsMoAccess_ErrorReporter::UNKNOWN_ACCESS_TYPE);
  EXPECT_EQ(ClsMoAccess_ErrorReporter(ClsMoAccess_ErrorReporter::PAGE_DELETE_ONE_PAGE_NEEDED).get_ErrorMessage(),
            "PAGE-DELETE: one page needed");
  EXPECT_EQ(ClsMoAccess_ErrorReporter(ClsMoAccess_ErrorReporter::GET_SYMBOL_NOT_IN_LOCATION).get_ErrorMessage(),
            "GET: requested symbol not part of location");
  EXPECT_EQ(ClsMoAccess_ErrorReporter(ClsMoAccess_ErrorReporter::NOT_SET).get_ErrorMessage(), "unspecified error");
  // Same order as the outcomes without the eight success values.
  EXPECT_EQ(static_cast<int>(ClsMoAccess_ErrorReporter::UNKNOWN_ACCESS_TYPE),
            static_cast<int>(ClsMoAccessInfo::UNKNOWN_ACCESS_TYPE) - 8);
}
