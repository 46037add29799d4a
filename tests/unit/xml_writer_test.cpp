#include "tests/unit/xml_test_support.h"
#include "xml/XML_Writer.h"

using namespace Vemra;
using namespace xmltest;
using SM = ClsStateMachineSymbol;

namespace {
const std::string PAS_LINE = "<PAS X_LEFT_UP=\"80\" Y_LEFT_UP=\"60\" WIDTH=\"640\" HEIGHT=\"480\"></PAS>\n";

std::string boxed(const std::string& start, const std::string& name, const std::string& text, int x, int y, int w,
                  int h) {
  return start + "\n<CONTENT>\n" + text + "\n</CONTENT>\n<PAS X_LEFT_UP=\"" + std::to_string(x) + "\" Y_LEFT_UP=\"" +
         std::to_string(y) + "\" WIDTH=\"" + std::to_string(w) + "\" HEIGHT=\"" + std::to_string(h) + "\"></PAS>\n</" +
         name + ">\n";
}
}  // namespace

TEST(XmlWriter, FreshSystemModelIsSixteenLines) {
  SysSpec sysSpec;
  EXPECT_EQ(stored_text(sysSpec),
            "<?xml version=\"1.0\"?>\n<!DOCTYPE SYSSPEC SYSTEM \"Vemra.dtd\">\n<SYSSPEC>\n<SYSDIA ID=\"1\">\n"
            "<DIA_NAME>\nROOT\n</DIA_NAME>\n<PAGE ID=\"2\">\n<WIDTH>800</WIDTH>\n<HEIGHT>600</HEIGHT>\n<PAGEFRAME>\n" +
                PAS_LINE + "</PAGEFRAME>\n</PAGE>\n</SYSDIA>\n</SYSSPEC>\n");
}

TEST(XmlWriter, ReferencedDiagramsFollowAsSiblingsDepthFirst) {
  SysSpec sysSpec;
  int b1 = insert_sym(sysSpec, EnumSym::BLK_INST_REF_SYM, 1, 2, 100, "B1");
  ASSERT_EQ(b1, 3);
  int p1 = insert_sym(sysSpec, EnumSym::PRO_INST_REF_SYM, 4, 5, 110, "P1");
  ASSERT_EQ(p1, 6);
  int idle = insert_sm(sysSpec, SM::STATE, 7, 8, 100, "idle");
  int sig = insert_sm(sysSpec, SM::INPUT, 7, 8, 200, "sig");
  std::list<int> coords{200, 140, 200, 200};
  ClsMoAccessInfo info;
  int line = -1;
  sysSpec.insert_FlowLine(7, 8, coords, idle, sig, info, line);
  ASSERT_EQ(line, 11);
  std::string page = [] {
    return std::string("<WIDTH>800</WIDTH>\n<HEIGHT>600</HEIGHT>\n<PAGEFRAME>\n") + PAS_LINE + "</PAGEFRAME>\n</PAGE>\n";
  }();
  std::string expected = file_with(
      "<SYSDIA ID=\"1\">\n<DIA_NAME>\nROOT\n</DIA_NAME>\n<PAGE ID=\"2\">\n" + page +
      boxed("<BLK_INST_REF ID=\"3\" IDREF=\"4\" PARENT_PAGE_ID=\"2\">", "BLK_INST_REF", "B1", 100, 100, 60, 40) +
      "</SYSDIA>\n<BLKDIA ID=\"4\">\n<DIA_NAME>\nB1\n</DIA_NAME>\n<PAGE ID=\"5\">\n" + page +
      boxed("<PRO_INST_REF ID=\"6\" IDREF=\"7\" PARENT_PAGE_ID=\"5\">", "PRO_INST_REF", "P1", 110, 100, 60, 40) +
      "</BLKDIA>\n<PRODIA ID=\"7\">\n<DIA_NAME>\nP1\n</DIA_NAME>\n<PAGE ID=\"8\">\n" + page +
      boxed("<STATE_MA_SYM_STATE ID=\"9\" PARENT_PAGE_ID=\"8\">", "STATE_MA_SYM_STATE", "idle", 200, 100, 80, 40) +
      boxed("<STATE_MA_SYM_INPUT ID=\"10\" PARENT_PAGE_ID=\"8\">", "STATE_MA_SYM_INPUT", "sig", 200, 200, 80, 40) +
      "<NORMAL_FLOWLINE ID=\"11\" PARENT_PAGE_ID=\"8\">\n<FLOWLINE_SOURCE_ID>9</FLOWLINE_SOURCE_ID>\n"
      "<FLOWLINE_DESTINATION_ID>10</FLOWLINE_DESTINATION_ID>\n<COORDS>\n200 140 200 200\n</COORDS>\n"
      "</NORMAL_FLOWLINE>\n</PRODIA>\n");
  EXPECT_EQ(stored_text(sysSpec), expected);
}

TEST(XmlWriter, ChannelAndDecisionFlowLineLayout) {
  SysSpec sysSpec;
  int blk = insert_sym(sysSpec, EnumSym::BLK_INST_REF_SYM, 1, 2, 100, "B");
  std::list<int> coords{0, 10, 100, 10};
  ClsMoAccessInfo info;
  int chan = -1;
  ClsRecPaS box(1, 2, 3, 4);
  sysSpec.insert_Channel(1, 2, ClsChannel::DELAY, ClsChannel::FROM_SOURCE, ClsChanName("c1", box),
                      ClsChanSourceSigList("s1", box), ClsChanSourceCon("sc", box), ClsChanDestSigList("d1", box),
                      ClsChanDestCon("dc", box), coords, true, 0, false, blk, info, chan);
  ASSERT_EQ(info.get_Info(), ClsMoAccessInfo::INSERT_OK);
  std::string comp_pas = "<PAS X_LEFT_UP=\"1\" Y_LEFT_UP=\"2\" WIDTH=\"3\" HEIGHT=\"4\"></PAS>\n";
  auto comp = [&](const std::string& name, const std::string& text) {
    return "<" + name + ">\n<CONTENT>\n" + text + "\n</CONTENT>\n" + comp_pas + "</" + name + ">\n";
  };
  std::string expected = "<CHANNEL ID=\"" + std::to_string(chan) +
                         "\" PARENT_PAGE_ID=\"2\" DIRECTION_TYPE=\"from_source\" DELAY_TYPE=\"delay\">\n"
                         "<CHAN_SOURCE_ID IS_ENV=\"true\">\nENV\n</CHAN_SOURCE_ID>\n"
                         "<CHAN_DESTINATION_ID IS_ENV=\"false\">\n" +
                         std::to_string(blk) + "\n</CHAN_DESTINATION_ID>\n<COORDS>\n0 10 100 10\n</COORDS>\n" +
                         comp("CHANNEL_COMP_NAME", "c1") + comp("CHANNEL_COMP_SOURCE_SIG", "s1") +
                         comp("CHANNEL_COMP_SOURCE_CON", "sc") + comp("CHANNEL_COMP_DEST_SIG", "d1") +
                         comp("CHANNEL_COMP_DEST_CON", "dc") + "</CHANNEL>\n</SYSDIA>\n<BLKDIA";
  EXPECT_NE(stored_text(sysSpec).find(expected), std::string::npos);

  int pro = referenced_dia(sysSpec, insert_sym(sysSpec, EnumSym::PRO_INST_REF_SYM, referenced_dia(sysSpec, blk),
                                            first_page(sysSpec, referenced_dia(sysSpec, blk)), 10, "P"));
  int page = first_page(sysSpec, pro);
  int dec = insert_sm(sysSpec, SM::DECISION, pro, page, 100, "x?");
  int task = insert_sm(sysSpec, SM::TASK, pro, page, 200, "t");
  std::list<int> path{1, 2, 3, 4};
  int line = -1;
  sysSpec.insert_DecisionFlowLine(pro, page, path, dec, task, "yes", ClsRecPaS(5, 6, 7, 8), info, line);
  ASSERT_EQ(info.get_Info(), ClsMoAccessInfo::INSERT_OK);
  std::string decision = "<DECISION_FLOWLINE ID=\"" + std::to_string(line) + "\" PARENT_PAGE_ID=\"" +
                         std::to_string(page) + "\">\n<FLOWLINE_SOURCE_ID>" + std::to_string(dec) +
                         "</FLOWLINE_SOURCE_ID>\n<FLOWLINE_DESTINATION_ID>" + std::to_string(task) +
                         "</FLOWLINE_DESTINATION_ID>\n<COORDS>\n1 2 3 4\n</COORDS>\n"
                         "<PAS X_LEFT_UP=\"5\" Y_LEFT_UP=\"6\" WIDTH=\"7\" HEIGHT=\"8\"></PAS>\n"
                         "<CONTENT>\nyes\n</CONTENT>\n</DECISION_FLOWLINE>\n</PRODIA>\n";
  EXPECT_NE(stored_text(sysSpec).find(decision), std::string::npos);
}

TEST(XmlWriter, EscapesOnlyAmpersandAndLessThan) {
  SysSpec sysSpec;
  insert_sym(sysSpec, EnumSym::TEXT_SYM, 1, 2, 10, "&");
  insert_sym(sysSpec, EnumSym::TEXT_SYM, 1, 2, 20, "a<b>c \"q\" 'r' &lt;");
  insert_sym(sysSpec, EnumSym::TEXT_SYM, 1, 2, 30, "two\nlines");
  std::string text = stored_text(sysSpec);
  EXPECT_NE(text.find("<CONTENT>\n&amp;\n</CONTENT>"), std::string::npos);
  EXPECT_NE(text.find("<CONTENT>\na&lt;b>c \"q\" 'r' &amp;lt;\n</CONTENT>"), std::string::npos);
  EXPECT_NE(text.find("<CONTENT>\ntwo\nlines\n</CONTENT>"), std::string::npos);
}

TEST(XmlWriter, KindsOutsideTheDiagramAreNotWritten) {
  SysSpec sysSpec;
  // A procedure reference in the system diagram and a type reference.
  insert_sym(sysSpec, EnumSym::PROCEDURE_INST_REF_SYM, 1, 2, 10, "proc");
  int type = insert_sym(sysSpec, EnumSym::BLK_TYPE_REF_SYM, 1, 2, 20, "btype");
  std::string text = stored_text(sysSpec);
  EXPECT_EQ(text.find("PROCEDURE"), std::string::npos);
  EXPECT_NE(text.find("<BLK_TYPE_REF ID=\"" + std::to_string(type) + "\" PARENT_PAGE_ID=\"2\">"), std::string::npos);
}

TEST(XmlWriter, PagesComeFirstThenSymbolsPageByPageAndKindByKind) {
  SysSpec sysSpec;
  ClsMoAccessInfo info;
  sysSpec.append_NewPage(1, info);
  sysSpec.append_NewPage(1, info);
  int p3 = sysSpec.get_LastPageID(1, info);
  int a = insert_sym(sysSpec, EnumSym::PRO_TYPE_REF_SYM, 1, p3, 10, "a");
  int b = insert_sym(sysSpec, EnumSym::TEXT_SYM, 1, p3, 20, "b");
  int c = insert_sym(sysSpec, EnumSym::PRO_TYPE_REF_SYM, 1, 2, 30, "c");
  std::string text = stored_text(sysSpec);
  std::size_t last_page = text.rfind("</PAGE>");
  auto pos = [&](int id) { return text.find(" ID=\"" + std::to_string(id) + "\" PARENT_PAGE_ID"); };
  EXPECT_LT(last_page, pos(c));
  EXPECT_LT(pos(c), pos(b));
  EXPECT_LT(pos(b), pos(a));
}

TEST(XmlWriter, ProcedureDiagramWithParameters) {
  SysSpec sysSpec;
  int blk = referenced_dia(sysSpec, insert_sym(sysSpec, EnumSym::BLK_INST_REF_SYM, 1, 2, 10, "B"));
  int pro = referenced_dia(sysSpec, insert_sym(sysSpec, EnumSym::PRO_INST_REF_SYM, blk, first_page(sysSpec, blk), 10, "P"));
  int proc =
      referenced_dia(sysSpec, insert_sym(sysSpec, EnumSym::PROCEDURE_INST_REF_SYM, pro, first_page(sysSpec, pro), 10, "Q"));
  ClsMoAccessInfo info;
  sysSpec.modify_ProcedureDiaFormalParameters(proc, "fpar x Integer;", info);
  insert_sm(sysSpec, SM::PROCEDURE_RETURN, proc, first_page(sysSpec, proc), 10, "");
  std::string text = stored_text(sysSpec);
  EXPECT_NE(text.find("<PROCEDUREDIA ID=\"" + std::to_string(proc) +
                      "\">\n<DIA_NAME>\nQ\n</DIA_NAME>\n<FORMAL_PARAMETERS>\nfpar x Integer;\n</FORMAL_PARAMETERS>\n"
                      "<PAGE"),
            std::string::npos);
  EXPECT_NE(text.find("<CONTENT>\n\n</CONTENT>"), std::string::npos);
  EXPECT_NE(text.find("</PRODIA>\n<PROCEDUREDIA"), std::string::npos);
}

TEST(XmlWriter, FailsWithoutWritingWhenTheFileCannotBeOpened) {
  SysSpec sysSpec;
  std::string path = temp_path("no_such_dir/x.xml");
  EXPECT_FALSE(sysSpec.store(path));
  EXPECT_FALSE(std::ifstream(path).good());
  // A writer can be used again; storing twice gives identical bytes.
  ClsXML_Writer writer;
  std::string ok = temp_path("twice.xml");
  EXPECT_FALSE(writer.write_SysSpec(sysSpec.get_SysDia(), path));
  EXPECT_TRUE(writer.write_SysSpec(sysSpec.get_SysDia(), ok));
  std::string first = read_file(ok);
  EXPECT_TRUE(writer.write_SysSpec(sysSpec.get_SysDia(), ok));
  EXPECT_EQ(read_file(ok), first);
  std::remove(ok.c_str());
}

TEST(XmlWriter, WriteFailureThrows) {
  SysSpec sysSpec;
  for (int i = 0; i < 2000; ++i) insert_sym(sysSpec, EnumSym::TEXT_SYM, 1, 2, i, std::string(100, 'x'));
  if (!std::ifstream("/dev/full").good()) GTEST_SKIP() << "/dev/full not available";
  EXPECT_THROW(sysSpec.store("/dev/full"), std::ios_base::failure);
}

TEST(XmlWriter, AttributeHelpersKeepCallOrder) {
  std::string tag = ClsXML_Writer::create_StartTagFromName("PAS");
  ClsXML_Writer::add_AttrToTag(tag, "X_LEFT_UP", 5);
  ClsXML_Writer::add_AttrToTag(tag, "Y_LEFT_UP", std::string("-7"));
  EXPECT_EQ(tag, "<PAS X_LEFT_UP=\"5\" Y_LEFT_UP=\"-7\">");
  EXPECT_EQ(ClsXML_Writer::create_EndTagFromName("PAS"), "</PAS>");
}
