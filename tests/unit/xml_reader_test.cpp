#include <cstdlib>

#include "model/Converter.h"
#include "tests/unit/xml_test_support.h"

using namespace Vemra;
using namespace xmltest;
using SM = ClsStateMachineSymbol;

namespace {
const SM::e_StateMachineSymbolType READING_ORDER[] = {
    SM::START, SM::STATE,    SM::OUTPUT,     SM::INPUT,          SM::CONDITION,             SM::STOP,
    SM::TASK,  SM::DECISION, SM::CREATE_PRO, SM::CALL_PROCEDURE, SM::PROCEDURE_START_STATE, SM::PROCEDURE_RETURN};

ClsChanName name(const std::string& t) { return ClsChanName(t, ClsRecPaS(1, 2, 3, 4)); }

int insert_channel(SysSpec& sysSpec, int dia, int page, ClsChannel::e_DelayType delay, ClsChannel::e_DirectionType dir,
                   bool src_env, int src, bool dst_env, int dst) {
  std::list<int> coords{10, 20, 30, 40, 0, 7};
  ClsMoAccessInfo info;
  int id = -1;
  sysSpec.insert_Channel(dia, page, delay, dir, name("ch & <n>"), ClsChanSourceSigList("s1, s2", ClsRecPaS(5, 6, 7, 8)),
                      ClsChanSourceCon("", ClsRecPaS(9, 10, 11, 12)), ClsChanDestSigList("d\n", ClsRecPaS(0, 0, 0, 0)),
                      ClsChanDestCon(" c ", ClsRecPaS(13, 14, 15, 16)), coords, src_env, src, dst_env, dst, info, id);
  EXPECT_EQ(info.get_Info(), ClsMoAccessInfo::INSERT_OK);
  return id;
}

// State-machine symbols of every kind the diagram takes, joined by a normal
// and a decision flow line.
void fill_graph(SysSpec& sysSpec, int dia, int page, int kinds) {
  std::vector<int> ids;
  for (int k = 0; k < kinds; ++k) ids.push_back(insert_sm(sysSpec, READING_ORDER[k], dia, page, 10 * k, "s" + std::to_string(k)));
  ClsMoAccessInfo info;
  std::list<int> coords{1, 2, 3, 4};
  int id = -1;
  sysSpec.insert_FlowLine(dia, page, coords, ids[0], ids[1], info, id);
  EXPECT_EQ(info.get_Info(), ClsMoAccessInfo::INSERT_OK);
  sysSpec.insert_DecisionFlowLine(dia, page, coords, ids[7], ids[6], "", ClsRecPaS(4, 3, 2, 1), info, id);
  EXPECT_EQ(info.get_Info(), ClsMoAccessInfo::INSERT_OK);
  sysSpec.insert_DecisionFlowLine(dia, page, coords, ids[7], ids[5], "no & <never>\n", ClsRecPaS(-4, 3, 2, 1), info, id);
  EXPECT_EQ(info.get_Info(), ClsMoAccessInfo::INSERT_OK);
}

// A system model with every kind of element, built in the order in which
// the reader inserts, so that reading its file hands out the same IDs.
void build_rich(SysSpec& sysSpec) {
  ClsMoAccessInfo info;
  sysSpec.modify_SysDiaName("System <S> & co", info);
  sysSpec.append_NewPage(1, info);
  int p2 = sysSpec.get_LastPageID(1, info);
  sysSpec.modify_PageWidth(1, p2, 1000, info);
  sysSpec.modify_PageHeight(1, p2, 900, info);
  sysSpec.modify_PageFramePaS(1, p2, 50, 40, 800, 700, info);
  ASSERT_EQ(info.get_Info(), ClsMoAccessInfo::MODIFY_OK);
  insert_sym(sysSpec, EnumSym::TEXT_SYM, 1, 2, 10, "");
  insert_sym(sysSpec, EnumSym::TEXT_SYM, 1, p2, 10, "a\n");
  int b1 = insert_sym(sysSpec, EnumSym::BLK_INST_REF_SYM, 1, 2, 20, "B1");
  int blk = referenced_dia(sysSpec, b1);
  int bp = first_page(sysSpec, blk);
  insert_sym(sysSpec, EnumSym::TEXT_SYM, blk, bp, 10, " lead");
  int p1 = insert_sym(sysSpec, EnumSym::PRO_INST_REF_SYM, blk, bp, 30, "P1");
  int pro = referenced_dia(sysSpec, p1);
  int pp = first_page(sysSpec, pro);
  insert_sym(sysSpec, EnumSym::TEXT_SYM, pro, pp, 1, "dcl x Integer;");
  int ptype = insert_sym(sysSpec, EnumSym::PRO_TYPE_REF_SYM, pro, pp, 2, "PT");
  int q = insert_sym(sysSpec, EnumSym::PROCEDURE_INST_REF_SYM, pro, pp, 3, "Q");
  int proc = referenced_dia(sysSpec, q);
  sysSpec.modify_ProcedureDiaFormalParameters(proc, "\nfpar\n in x Integer;\n", info);
  int qp = first_page(sysSpec, proc);
  insert_sym(sysSpec, EnumSym::TEXT_SYM, proc, qp, 4, "\u00e4\u00f6\u00fc");
  fill_graph(sysSpec, proc, qp, 12);
  insert_channel(sysSpec, pro, pp, ClsChannel::NO_DELAY, ClsChannel::FROM_DESTINATION, false, ptype, true, 0);
  fill_graph(sysSpec, pro, pp, 10);
  insert_channel(sysSpec, blk, bp, ClsChannel::DELAY, ClsChannel::BOTH, true, 0, false, p1);
  insert_sym(sysSpec, EnumSym::BLK_TYPE_REF_SYM, 1, 2, 40, "BT");
  int p2sym = insert_sym(sysSpec, EnumSym::PRO_INST_REF_SYM, 1, p2, 50, "P2");
  insert_sym(sysSpec, EnumSym::PRO_TYPE_REF_SYM, 1, 2, 60, "PT2");
  insert_channel(sysSpec, 1, 2, ClsChannel::NO_DELAY, ClsChannel::BOTH, false, b1, false, p2sym);
  insert_channel(sysSpec, 1, p2, ClsChannel::DELAY, ClsChannel::FROM_SOURCE, false, p2sym, true, 0);
}
}  // namespace

TEST(XmlReader, RoundTripKeepsEveryElementAndID) {
  SysSpec sysSpec;
  build_rich(sysSpec);
  std::string first = stored_text(sysSpec);
  SysSpec loaded;
  ASSERT_EQ(load_text(loaded, first), "OK");
  EXPECT_EQ(stored_text(loaded), first);
  EXPECT_EQ(loaded.get_NumberOfRegisteredIDs(), sysSpec.get_NumberOfRegisteredIDs());
  ClsMoAccessInfo info;
  EXPECT_EQ(loaded.get_SysDia()->name_ref(), "System <S> & co");
  std::size_t at = first.find("<PROCEDUREDIA ID=\"");
  ASSERT_NE(at, std::string::npos);
  std::string params;
  loaded.get_ProcedureDiaFormalParameters(std::atoi(first.c_str() + at + 18), params, info);
  EXPECT_EQ(info.get_Info(), ClsMoAccessInfo::GET_OK);
  EXPECT_EQ(params, "\nfpar\n in x Integer;\n");
}

TEST(XmlReader, ReadingGroupsStateMachineSymbolsByKind) {
  SysSpec sysSpec;
  int pro = referenced_dia(sysSpec, insert_sym(sysSpec, EnumSym::PRO_INST_REF_SYM, 1, 2, 10, "P"));
  int page = first_page(sysSpec, pro);
  int task = insert_sm(sysSpec, SM::TASK, pro, page, 10, "t");
  int start = insert_sm(sysSpec, SM::START, pro, page, 20, "");
  ClsMoAccessInfo info;
  std::list<int> coords{1, 1};
  int line = -1;
  sysSpec.insert_DecisionFlowLine(pro, page, coords, task, start, "d", ClsRecPaS(1, 1, 1, 1), info, line);
  sysSpec.insert_FlowLine(pro, page, coords, start, task, info, line);
  SysSpec loaded;
  ASSERT_EQ(load_text(loaded, stored_text(sysSpec)), "OK");
  std::string text = stored_text(loaded);
  EXPECT_LT(text.find("<STATE_MA_SYM_START"), text.find("<STATE_MA_SYM_TASK"));
  EXPECT_LT(text.find("<NORMAL_FLOWLINE"), text.find("<DECISION_FLOWLINE"));
}

TEST(XmlReader, TextsKeepTheirLineBreaksAndBlanks) {
  SysSpec sysSpec;
  ASSERT_EQ(load_text(sysSpec, file_with(sysdia_open() +
                                      "<TEXTSYM ID=\"3\" PARENT_PAGE_ID=\"2\">\n<CONTENT>\n\n</CONTENT>\n"
                                      "<PAS X_LEFT_UP=\"1\" Y_LEFT_UP=\"2\" WIDTH=\"3\" HEIGHT=\"4\"></PAS>\n"
                                      "</TEXTSYM>\n"
                                      "<TEXTSYM ID=\"4\" PARENT_PAGE_ID=\"2\">\n<CONTENT>\na\n\n</CONTENT>\n"
                                      "<PAS X_LEFT_UP=\"1\" Y_LEFT_UP=\"2\" WIDTH=\"3\" HEIGHT=\"4\"></PAS>\n"
                                      "</TEXTSYM>\n"
                                      "<TEXTSYM ID=\"5\" PARENT_PAGE_ID=\"2\">\n<CONTENT>  x&amp;&lt;&gt;y </CONTENT>"
                                      "<PAS X_LEFT_UP=\"1\" Y_LEFT_UP=\"2\" WIDTH=\"3\" HEIGHT=\"4\"></PAS>\n"
                                      "</TEXTSYM>\n</SYSDIA>\n")),
            "OK");
  ClsMoAccessInfo info;
  std::list<const Symbol*> syms;
  sysSpec.get_Syms(EnumSym::TEXT_SYM, 1, 2, syms, info);
  ASSERT_EQ(syms.size(), 3u);
  auto it = syms.begin();
  EXPECT_EQ((*it++)->content_ref(), "");
  EXPECT_EQ((*it++)->content_ref(), "a\n");
  EXPECT_EQ((*it++)->content_ref(), "  x&<>y ");
  EXPECT_EQ(sysSpec.get_SysDia()->name_ref(), "ROOT");
}

TEST(XmlReader, DiagramsAreFoundByIDInAnyOrder) {
  std::string blk = "<BLK_INST_REF ID=\"3\" IDREF=\"4\" PARENT_PAGE_ID=\"2\">\n<CONTENT>\nB1\n</CONTENT>\n"
                    "<PAS X_LEFT_UP=\"1\" Y_LEFT_UP=\"2\" WIDTH=\"3\" HEIGHT=\"4\"></PAS>\n</BLK_INST_REF>\n";
  std::string pro = "<PRO_INST_REF ID=\"6\" IDREF=\"7\" PARENT_PAGE_ID=\"5\">\n<CONTENT>\nP1\n</CONTENT>\n"
                    "<PAS X_LEFT_UP=\"1\" Y_LEFT_UP=\"2\" WIDTH=\"3\" HEIGHT=\"4\"></PAS>\n</PRO_INST_REF>\n";
  std::string prodia = "<PRODIA ID=\"7\">\n<DIA_NAME>\nignored\n</DIA_NAME>\n" + page_lines(8) + "</PRODIA>\n";
  std::string unused = "<BLKDIA ID=\"40\">\n<DIA_NAME>\nX\n</DIA_NAME>\n" + page_lines(41, 0) + "</BLKDIA>\n";
  std::string text = file_with(sysdia_open() + blk + "</SYSDIA>\n" + prodia + unused + "<BLKDIA ID=\"4\">\n" +
                               "<DIA_NAME>\nB1\n</DIA_NAME>\n" + page_lines(5) + pro + "</BLKDIA>\n");
  SysSpec sysSpec;
  ASSERT_EQ(load_text(sysSpec, text), "OK");
  EXPECT_EQ(sysSpec.get_NumberOfRegisteredIDs(), 5u);
  std::string again = stored_text(sysSpec);
  EXPECT_NE(again.find("<PRODIA ID=\"7\">\n<DIA_NAME>\nP1\n</DIA_NAME>"), std::string::npos);

  // The kind of the element found must match the reference.
  std::string wrong = file_with(sysdia_open() + blk + "</SYSDIA>\n" + "<PRODIA ID=\"4\">\n<DIA_NAME>\nB1\n</DIA_NAME>\n" +
                                page_lines(5) + "</PRODIA>\n");
  EXPECT_EQ(load_text(sysSpec, wrong), "not specified");
  EXPECT_EQ(load_text(sysSpec, file_with(sysdia_open() + blk + "</SYSDIA>\n")), "Diagram with given ID not found");
  // Two system diagrams matter only once a reference is followed.
  std::string second_sys = sysdia_open(30, 31) + "</SYSDIA>\n";
  EXPECT_EQ(load_text(sysSpec, file_with(sysdia_open() + blk + "</SYSDIA>\n" + second_sys)),
            "More than one system diagram");
  EXPECT_EQ(load_text(sysSpec, file_with(sysdia_open() + "</SYSDIA>\n" + second_sys)), "OK");
  // A reference back to a diagram already read breaks the ID translation.
  std::string cycle = "<BLK_INST_REF ID=\"9\" IDREF=\"4\" PARENT_PAGE_ID=\"5\">\n<CONTENT>\nB1\n</CONTENT>\n"
                      "<PAS X_LEFT_UP=\"1\" Y_LEFT_UP=\"2\" WIDTH=\"3\" HEIGHT=\"4\"></PAS>\n</BLK_INST_REF>\n";
  EXPECT_EQ(load_text(sysSpec, file_with(sysdia_open() + blk + "</SYSDIA>\n<BLKDIA ID=\"4\">\n<DIA_NAME>\nB1\n"
                                      "</DIA_NAME>\n" + page_lines(5) + cycle + "</BLKDIA>\n")),
            "renumbering");
}

TEST(XmlReader, PageValuesAreCheckedAgainstTheDefaultFrame) {
  SysSpec sysSpec;
  EXPECT_EQ(load_text(sysSpec, file_with("<SYSDIA ID=\"1\">\n<DIA_NAME>\nR\n</DIA_NAME>\n" + page_lines(2, 720) +
                                      "</SYSDIA>\n")),
            "Error in internal data structure\nModifying Page Width");
  EXPECT_EQ(load_text(sysSpec, file_with("<SYSDIA ID=\"1\">\n<DIA_NAME>\nR\n</DIA_NAME>\n" + page_lines(2, 721, 540) +
                                      "</SYSDIA>\n")),
            "Error in internal data structure\nModifying Page Height");
  EXPECT_EQ(load_text(sysSpec, file_with("<SYSDIA ID=\"1\">\n<DIA_NAME>\nR\n</DIA_NAME>\n" + page_lines(2, 721, 541) +
                                      "</SYSDIA>\n")),
            "OK");
  // A failed load leaves the system model reset.
  load_text(sysSpec, file_with("<SYSDIA ID=\"1\">\n<DIA_NAME>\nR\n</DIA_NAME>\n" + page_lines(2, 5) + "</SYSDIA>\n"));
  EXPECT_EQ(sysSpec.get_SysDia()->name_ref(), "ROOT");
}

TEST(XmlReader, NegativeOrBadCoordinatesAndChannelEnds) {
  SysSpec sysSpec;
  sysSpec.get_SysDia();
  int a = insert_sym(sysSpec, EnumSym::BLK_TYPE_REF_SYM, 1, 2, 10, "A");
  insert_channel(sysSpec, 1, 2, ClsChannel::DELAY, ClsChannel::BOTH, false, a, true, 0);
  std::string good = stored_text(sysSpec);
  SysSpec other;
  ASSERT_EQ(load_text(other, good), "OK");
  auto replaced = [&](const std::string& what, const std::string& with) {
    return load_text(other, Converter::replace(good, what, with));
  };
  EXPECT_EQ(replaced("10 20 30 40 0 7", "10 -20"), "not specified");
  EXPECT_EQ(replaced("10 20 30 40 0 7", "10  20 "), "OK");
  EXPECT_EQ(replaced("IS_ENV=\"false\">\n3", "IS_ENV=\"false\">\n+3"), "not specified");
  EXPECT_EQ(replaced("IS_ENV=\"true\">\nENV", "IS_ENV=\"true\">\nanything"), "OK");
  EXPECT_EQ(replaced("DIRECTION_TYPE=\"both\"", "DIRECTION_TYPE=\"none\""), "not specified");
  EXPECT_EQ(replaced("DELAY_TYPE=\"delay\"", "DELAY_TYPE=\"Delay\""), "not specified");
  EXPECT_EQ(replaced("CHANNEL_COMP_DEST_CON>", "CHANNEL_COMP_DEST_CONX>"),
            "Missing child element CHANNEL_COMP_DEST_CON in CHANNEL");
  EXPECT_EQ(replaced(" DELAY_TYPE=\"delay\"", ""), "Missing attribute DELAY_TYPE in element CHANNEL");
  EXPECT_EQ(replaced("PARENT_PAGE_ID=\"2\" DIRECTION", "PARENT_PAGE_ID=\"77\" DIRECTION"), "renumbering");
  EXPECT_EQ(replaced("CHAN_SOURCE_ID", "CHAN_SOURCE_IDX"), "not specified");
}

TEST(XmlReader, DocumentsOfTheWrongTypeLoadEmpty) {
  SysSpec sysSpec;
  insert_sym(sysSpec, EnumSym::TEXT_SYM, 1, 2, 10, "kept?");
  testing::internal::CaptureStderr();
  EXPECT_EQ(load_text(sysSpec, "<?xml version=\"1.0\"?>\n<OTHER><SYSDIA/></OTHER>\n"), "OK");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "document of the wrong type, root node (OTHER) != SYSSPEC\n");
  EXPECT_EQ(sysSpec.get_NumberOfRegisteredIDs(), 1u);
  testing::internal::CaptureStderr();
  EXPECT_EQ(load_text(sysSpec, file_with("<BLKDIA ID=\"1\"/>\n")), "OK");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "document of the wrong type, was 'BLKDIA', SYSDIA expected");
  EXPECT_EQ(load_text(sysSpec, file_with("")), "OK");
  EXPECT_EQ(load_text(sysSpec, file_with("<SYSDIA ID=\"1\"/>\n")), "Missing child element in SYSDIA");
}

TEST(XmlReader, UnparsableFilesFail) {
  SysSpec sysSpec;
  const std::string parse = "An error occured during parsing\n ";
  EXPECT_EQ(load_text(sysSpec, ""), parse);
  EXPECT_EQ(load_text(sysSpec, "not xml at all"), parse);
  EXPECT_EQ(load_text(sysSpec, "<SYSSPEC><SYSDIA></SYSSPEC>"), parse);
  EXPECT_THROW(sysSpec.load(temp_path("does_not_exist.xml")), ClsXML_Reader_ErrorReporter);
  EXPECT_THROW(sysSpec.load("/"), ClsXML_Reader_ErrorReporter);
  try {
    sysSpec.load(temp_path("does_not_exist.xml"));
  } catch (const ClsXML_Reader_ErrorReporter& e) {
    EXPECT_EQ(e.get_ErrorType(), ClsXML_Reader_ErrorReporter::XML_ERROR_WITH_MESSAGE);
    EXPECT_EQ(e.get_ErrorMessage(), parse);
  }
}

TEST(XmlReader, ErrorReporterMessages) {
  using E = ClsXML_Reader_ErrorReporter;
  EXPECT_EQ(E().get_ErrorMessage(), "not specified");
  EXPECT_EQ(E(E::XML_ERROR_COORDINATES).get_ErrorType(), E::XML_ERROR_COORDINATES);
  EXPECT_EQ(E(E::XML_ERROR_CHANNEL_END_ID, "hidden").get_ErrorMessage(), "not specified");
  EXPECT_EQ(E(std::string("")).get_ErrorMessage(), "not specified");
  EXPECT_EQ(E("Wrong node").get_ErrorType(), E::XML_ERROR_WITH_MESSAGE);
  EXPECT_EQ(ClsXML_Reader::NOT_SPECIFIED, "not specified");
}
