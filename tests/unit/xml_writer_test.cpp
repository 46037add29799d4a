#include "tests/unit/xml_test_support.h"
#include "xml/XML_Writer.h"

using namespace Vemra;
using namespace xmltest;

namespace {
// A symbol as the writer lays it out: content, then its box.
std::string boxed(const std::string& open, const std::string& text, int x, int y, int w, int h) {
  return element(open, content(text) + pas(x, y, w, h));
}
std::string num(int n) { return std::to_string(n); }
}  // namespace

TEST(XmlWriter, FreshSystemModelIsSixteenLines) {
  SysSpec sysSpec;
  EXPECT_EQ(stored_text(sysSpec), R"(<?xml version="1.0"?>
<!DOCTYPE SYSSPEC SYSTEM "Vemra.dtd">
<SYSSPEC>
<SYSDIA ID="1">
<DIA_NAME>
ROOT
</DIA_NAME>
<PAGE ID="2">
<WIDTH>800</WIDTH>
<HEIGHT>600</HEIGHT>
<PAGEFRAME>
<PAS X_LEFT_UP="80" Y_LEFT_UP="60" WIDTH="640" HEIGHT="480"></PAS>
</PAGEFRAME>
</PAGE>
</SYSDIA>
</SYSSPEC>
)");
}

TEST(XmlWriter, ReferencedDiagramsFollowAsSiblingsDepthFirst) {
  SysSpec sysSpec;
  ASSERT_EQ(insert_sym(sysSpec, EnumSym::BLK_INST_REF_SYM, 1, 2, 100, "B1"), 3);
  ASSERT_EQ(insert_sym(sysSpec, EnumSym::PRO_INST_REF_SYM, 4, 5, 110, "P1"), 6);
  int idle = insert_sm(sysSpec, SM::STATE, 7, 8, 100, "idle");
  int sig = insert_sm(sysSpec, SM::INPUT, 7, 8, 200, "sig");
  std::list<int> coords{200, 140, 200, 200};
  ClsMoAccessInfo info;
  int line = -1;
  sysSpec.insert_FlowLine(7, 8, coords, idle, sig, info, line);
  ASSERT_EQ(line, 11);
  EXPECT_EQ(stored_text(sysSpec),
            file_with(sysdia(boxed(R"(BLK_INST_REF ID="3" IDREF="4" PARENT_PAGE_ID="2")", "B1", 100, 100, 60, 40)) +
                      dia("BLKDIA", 4, "B1", 5,
                          boxed(R"(PRO_INST_REF ID="6" IDREF="7" PARENT_PAGE_ID="5")", "P1", 110, 100, 60, 40)) +
                      dia("PRODIA", 7, "P1", 8,
                          boxed(R"(STATE_MA_SYM_STATE ID="9" PARENT_PAGE_ID="8")", "idle", 200, 100, 80, 40) +
                              boxed(R"(STATE_MA_SYM_INPUT ID="10" PARENT_PAGE_ID="8")", "sig", 200, 200, 80, 40) +
                              "<NORMAL_FLOWLINE ID=\"11\" PARENT_PAGE_ID=\"8\">\n<FLOWLINE_SOURCE_ID>9</FLOWLINE_SOURCE_ID>\n"
                              "<FLOWLINE_DESTINATION_ID>10</FLOWLINE_DESTINATION_ID>\n<COORDS>\n200 140 200 200\n"
                              "</COORDS>\n</NORMAL_FLOWLINE>\n")));
}

// Channel, decision flow line and procedure diagram, each laid out in full.
TEST(XmlWriter, ChannelDecisionFlowLineAndProcedureLayout) {
  SysSpec sysSpec;
  int blk_sym = insert_sym(sysSpec, EnumSym::BLK_INST_REF_SYM, 1, 2, 100, "B");
  std::list<int> coords{0, 10, 100, 10};
  ClsMoAccessInfo info;
  int chan = -1;
  ClsRecPaS box(1, 2, 3, 4);
  sysSpec.insert_Channel(1, 2, ClsChannel::DELAY, ClsChannel::FROM_SOURCE, ClsChanName("c1", box),
                         ClsChanSourceSigList("s1", box), ClsChanSourceCon("sc", box), ClsChanDestSigList("d1", box),
                         ClsChanDestCon("dc", box), coords, true, 0, false, blk_sym, info, chan);
  ASSERT_EQ(info.get_Info(), ClsMoAccessInfo::INSERT_OK);
  int blk = referenced_dia(sysSpec, blk_sym);
  int pro = referenced_dia(sysSpec, insert_sym(sysSpec, EnumSym::PRO_INST_REF_SYM, blk, first_page(sysSpec, blk), 10, "P"));
  int page = first_page(sysSpec, pro);
  int dec = insert_sm(sysSpec, SM::DECISION, pro, page, 100, "x?");
  int task = insert_sm(sysSpec, SM::TASK, pro, page, 200, "t");
  std::list<int> path{1, 2, 3, 4};
  int line = -1;
  sysSpec.insert_DecisionFlowLine(pro, page, path, dec, task, "yes", ClsRecPaS(-5, 6, 7, 8), info, line);
  ASSERT_EQ(info.get_Info(), ClsMoAccessInfo::INSERT_OK);
  int proc = referenced_dia(sysSpec, insert_sym(sysSpec, EnumSym::PROCEDURE_INST_REF_SYM, pro, page, 10, "Q"));
  sysSpec.modify_ProcedureDiaFormalParameters(proc, "fpar x Integer;", info);
  insert_sm(sysSpec, SM::PROCEDURE_RETURN, proc, first_page(sysSpec, proc), 10, "");
  std::string text = stored_text(sysSpec);

  auto comp = [&](const std::string& name, const std::string& t) { return element(name, content(t) + PAS1234); };
  std::string channel = "<CHANNEL ID=\"" + num(chan) +
                        "\" PARENT_PAGE_ID=\"2\" DIRECTION_TYPE=\"from_source\" DELAY_TYPE=\"delay\">\n"
                        "<CHAN_SOURCE_ID IS_ENV=\"true\">\nENV\n</CHAN_SOURCE_ID>\n"
                        "<CHAN_DESTINATION_ID IS_ENV=\"false\">\n" +
                        num(blk_sym) + "\n</CHAN_DESTINATION_ID>\n<COORDS>\n0 10 100 10\n</COORDS>\n" +
                        comp("CHANNEL_COMP_NAME", "c1") + comp("CHANNEL_COMP_SOURCE_SIG", "s1") +
                        comp("CHANNEL_COMP_SOURCE_CON", "sc") + comp("CHANNEL_COMP_DEST_SIG", "d1") +
                        comp("CHANNEL_COMP_DEST_CON", "dc") + "</CHANNEL>\n</SYSDIA>\n<BLKDIA";
  std::string decision = "<DECISION_FLOWLINE ID=\"" + num(line) + "\" PARENT_PAGE_ID=\"" + num(page) +
                         "\">\n<FLOWLINE_SOURCE_ID>" + num(dec) + "</FLOWLINE_SOURCE_ID>\n<FLOWLINE_DESTINATION_ID>" +
                         num(task) + "</FLOWLINE_DESTINATION_ID>\n<COORDS>\n1 2 3 4\n</COORDS>\n" + pas(-5, 6, 7, 8) +
                         content("yes") + "</DECISION_FLOWLINE>\n</PRODIA>\n";
  std::string procedure = "</PRODIA>\n<PROCEDUREDIA ID=\"" + num(proc) +
                          "\">\n<DIA_NAME>\nQ\n</DIA_NAME>\n<FORMAL_PARAMETERS>\nfpar x Integer;\n</FORMAL_PARAMETERS>\n"
                          "<PAGE";
  for (const std::string& part : {channel, decision, procedure, content("")})
    EXPECT_NE(text.find(part), std::string::npos) << part;
}

// On the system diagram: only & and < are escaped; pages come first, then the
// symbols page by page and kind by kind; procedure references are not written.
TEST(XmlWriter, SymbolTextsOrderAndKindsWritten) {
  SysSpec sysSpec;
  insert_sym(sysSpec, EnumSym::TEXT_SYM, 1, 2, 10, "&");
  insert_sym(sysSpec, EnumSym::TEXT_SYM, 1, 2, 20, "a<b>c \"q\" 'r' &lt;");
  insert_sym(sysSpec, EnumSym::TEXT_SYM, 1, 2, 30, "two\nlines");
  insert_sym(sysSpec, EnumSym::PROCEDURE_INST_REF_SYM, 1, 2, 10, "proc");
  int type = insert_sym(sysSpec, EnumSym::BLK_TYPE_REF_SYM, 1, 2, 20, "btype");
  ClsMoAccessInfo info;
  sysSpec.append_NewPage(1, info);
  sysSpec.append_NewPage(1, info);
  int p3 = sysSpec.get_LastPageID(1, info);
  int a = insert_sym(sysSpec, EnumSym::PRO_TYPE_REF_SYM, 1, p3, 10, "a");
  int b = insert_sym(sysSpec, EnumSym::TEXT_SYM, 1, p3, 20, "b");
  int c = insert_sym(sysSpec, EnumSym::PRO_TYPE_REF_SYM, 1, 2, 30, "c");
  std::string text = stored_text(sysSpec);
  for (const char* part : {"<CONTENT>\n&amp;\n</CONTENT>", "<CONTENT>\na&lt;b>c \"q\" 'r' &amp;lt;\n</CONTENT>",
                           "<CONTENT>\ntwo\nlines\n</CONTENT>"})
    EXPECT_NE(text.find(part), std::string::npos) << part;
  EXPECT_NE(text.find("<BLK_TYPE_REF ID=\"" + num(type) + "\" PARENT_PAGE_ID=\"2\">"), std::string::npos);
  EXPECT_EQ(text.find("PROCEDURE"), std::string::npos);
  auto pos = [&](int id) { return text.find(" ID=\"" + num(id) + "\" PARENT_PAGE_ID"); };
  EXPECT_LT(text.rfind("</PAGE>"), pos(c));
  EXPECT_LT(pos(c), pos(b));
  EXPECT_LT(pos(b), pos(a));
}

TEST(XmlWriter, WriteFailures) {
  SysSpec sysSpec;
  // A file that cannot be opened: nothing is written, and the writer can be
  // used again; storing twice gives identical bytes.
  std::string bad = temp_path("no_such_dir/x.xml"), ok = temp_path("twice.xml");
  EXPECT_FALSE(sysSpec.store(bad));
  EXPECT_FALSE(std::ifstream(bad).good());
  ClsXML_Writer writer;
  EXPECT_FALSE(writer.write_SysSpec(sysSpec.get_SysDia(), bad));
  EXPECT_TRUE(writer.write_SysSpec(sysSpec.get_SysDia(), ok));
  std::string first = read_file(ok);
  EXPECT_TRUE(writer.write_SysSpec(sysSpec.get_SysDia(), ok));
  EXPECT_EQ(read_file(ok), first);
  std::remove(ok.c_str());
  // A full device makes the store throw.
  for (int i = 0; i < 2000; ++i) insert_sym(sysSpec, EnumSym::TEXT_SYM, 1, 2, i, std::string(100, 'x'));
  if (!std::ifstream("/dev/full").good()) GTEST_SKIP() << "/dev/full not available";
  EXPECT_THROW(sysSpec.store("/dev/full"), std::ios_base::failure);
}
