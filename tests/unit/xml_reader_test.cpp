#include <fcntl.h>
#include <sys/stat.h>

#include <atomic>
#include <cstdlib>
#include <thread>

#include "tests/unit/test_support.h"

using namespace Vemra;
using namespace sdltest;

namespace {
const std::string BLK_REF = ref_sym("BLK_INST_REF", 3, 4, 2, "B1");
const std::string PARSE_ERROR = "An error occured during parsing\n ";
}  // namespace

TEST(XmlReader, RoundTripKeepsEveryElementAndID) {
  SysSpec loaded;
  const std::string first = read_file(data_path("rich.xml"));
  ASSERT_EQ(load_text(loaded, first), "OK");
  EXPECT_EQ(stored_text(loaded), first);
  EXPECT_EQ(loaded.get_NumberOfRegisteredIDs(), 49u);
  EXPECT_EQ(loaded.get_SysDia()->name_ref(), "System <S> & co");
  std::size_t at = first.find("<PROCEDUREDIA ID=\"");
  ASSERT_NE(at, std::string::npos);
  ClsMoAccessInfo info;
  std::string params;
  loaded.get_ProcedureDiaFormalParameters(std::atoi(first.c_str() + at + 18), params, info);
  EXPECT_EQ(info.get_Info(), ClsMoAccessInfo::GET_OK);
  EXPECT_EQ(params, "\nfpar\n in x Integer;\n");
}

TEST(XmlReader, ReadingGroupsStateMachineSymbolsByKind) {
  SysSpec sysSpec, loaded;
  int pro = ref_diagram(sysSpec, add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, 1, 2, "P"));
  int page = first_page(sysSpec, pro);
  int task = add_sm(sysSpec, SM::TASK, pro, page, "t");
  int start = add_sm(sysSpec, SM::START, pro, page, "");
  ClsMoAccessInfo info;
  std::list<int> coords{1, 1};
  int line = -1;
  sysSpec.insert_DecisionFlowLine(pro, page, coords, task, start, "d", ClsRecPaS(1, 1, 1, 1), info, line);
  sysSpec.insert_FlowLine(pro, page, coords, start, task, info, line);
  ASSERT_EQ(load_text(loaded, stored_text(sysSpec)), "OK");
  std::string text = stored_text(loaded);
  EXPECT_LT(text.find("<STATE_MA_SYM_START"), text.find("<STATE_MA_SYM_TASK"));
  EXPECT_LT(text.find("<NORMAL_FLOWLINE"), text.find("<DECISION_FLOWLINE"));
}

TEST(XmlReader, TextsKeepTheirLineBreaksAndBlanks) {
  EXPECT_EQ(texts_of(file_with(sysdia(text_sym(3, "<CONTENT>\n\n</CONTENT>\n") + text_sym(4, "<CONTENT>\na\n\n</CONTENT>\n") +
                                      text_sym(5, "<CONTENT>  x&amp;&lt;&gt;y </CONTENT>")))),
            (std::vector<std::string>{"", "a\n", "  x&<>y "}));
  // A text of more than 10^7 characters, as a stored model may hold, loads too.
  const std::string huge(10000001, 'x');
  EXPECT_TRUE(texts_of(file_with(sysdia(text_sym(3, content(huge))))) == std::vector<std::string>{huge});
}

TEST(XmlReader, DiagramsAreFoundByIDInAnyOrder) {
  // The process diagram comes first, an unused diagram in between; the
  // process diagram takes its name from the reference.
  std::string text = file_with(sysdia(BLK_REF) + dia("PRODIA", 7, "ignored", 8) +
                               element("BLKDIA ID=\"40\"", "<DIA_NAME>\nX\n</DIA_NAME>\n" + page_lines(41, 0)) +
                               dia("BLKDIA", 4, "B1", 5, ref_sym("PRO_INST_REF", 6, 7, 5, "P1")));
  SysSpec sysSpec;
  ASSERT_EQ(load_text(sysSpec, text), "OK");
  EXPECT_EQ(sysSpec.get_NumberOfRegisteredIDs(), 5u);
  EXPECT_NE(stored_text(sysSpec).find("<PRODIA ID=\"7\">\n<DIA_NAME>\nP1\n</DIA_NAME>"), std::string::npos);
}

// Files that fail to load, each with its message (" #n": error type n without
// a message); the model is reset after each failure.
TEST(XmlReader, ErrorsOfDiagramsPagesAndChannels) {
  SysSpec model;
  int a = add_symbol(model, EnumSym::BLK_TYPE_REF_SYM, 1, 2, "A");
  ASSERT_EQ(a, 3);
  add_channel(model, 1, 2, a, -1);
  const std::string chan = stored_text(model), fresh = file_with(sysdia()), second_sys = dia("SYSDIA", 30, "ROOT", 31);
  const std::string w721 = edit(fresh, "<WIDTH>800", "<WIDTH>721");
  const struct {
    std::string text, expected;
  } rows[] = {
      // A reference needs a diagram of its own kind, and a single system diagram.
      {file_with(sysdia(BLK_REF) + dia("PRODIA", 4, "B1", 5)), "not specified #0"},
      {file_with(sysdia(BLK_REF)), "Diagram with given ID not found"},
      {file_with(sysdia(BLK_REF) + second_sys), "More than one system diagram"},
      {file_with(sysdia() + second_sys), "OK"},
      // A reference back to a diagram already read breaks the ID translation.
      {file_with(sysdia(BLK_REF) + dia("BLKDIA", 4, "B1", 5, ref_sym("BLK_INST_REF", 9, 4, 5, "B1"))), "renumbering"},
      // The page must hold the default frame.
      {edit(fresh, "<WIDTH>800", "<WIDTH>720"), "Error in internal data structure\nModifying Page Width"},
      {edit(w721, "<HEIGHT>600", "<HEIGHT>540"), "Error in internal data structure\nModifying Page Height"},
      {edit(w721, "<HEIGHT>600", "<HEIGHT>541"), "OK"},
      // Channel coordinates, ends, kinds and components.
      {chan, "OK"},
      {edit(chan, "10 20 30 40 0 7", "10 -20"), "not specified #2"},
      {edit(chan, "10 20 30 40 0 7", "10  20 "), "OK"},
      {edit(chan, "IS_ENV=\"false\">\n3", "IS_ENV=\"false\">\n+3"), "not specified #1"},
      {edit(chan, "IS_ENV=\"true\">\nENV", "IS_ENV=\"true\">\nanything"), "OK"},
      {edit(chan, "DIRECTION_TYPE=\"both\"", "DIRECTION_TYPE=\"none\""), "not specified #0"},
      {edit(chan, "DELAY_TYPE=\"delay\"", "DELAY_TYPE=\"Delay\""), "not specified #0"},
      {edit(chan, "CHANNEL_COMP_DEST_CON>", "CHANNEL_COMP_DEST_CONX>"),
       "Missing child element CHANNEL_COMP_DEST_CON in CHANNEL"},
      {edit(chan, " DELAY_TYPE=\"delay\"", ""), "Missing attribute DELAY_TYPE in element CHANNEL"},
      {edit(chan, "PARENT_PAGE_ID=\"2\" DIRECTION", "PARENT_PAGE_ID=\"77\" DIRECTION"), "renumbering"},
      {edit(chan, "CHAN_SOURCE_ID", "CHAN_SOURCE_IDX"), "not specified #0"},
      // Documents that are empty or do not parse.
      {file_with(""), "OK"},
      {file_with("<SYSDIA ID=\"1\"/>\n"), "Missing child element in SYSDIA"},
      {"", PARSE_ERROR},
      {"not xml at all", PARSE_ERROR},
      {"<SYSSPEC><SYSDIA></SYSSPEC>", PARSE_ERROR},
  };
  for (const auto& row : rows) expect_load(row.text, row.expected, row.text);
  // Files that cannot be read at all; a pipe fails at once, writer or not.
  std::string fifo = temp_path("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {temp_path("does_not_exist.xml"), std::string("/"), fifo}) {
    try {
      model.load(path);
      ADD_FAILURE() << path;
    } catch (const ClsXML_Reader_ErrorReporter& e) {
      EXPECT_EQ(e.get_ErrorType(), ClsXML_Reader_ErrorReporter::XML_ERROR_WITH_MESSAGE);
      EXPECT_EQ(e.get_ErrorMessage(), PARSE_ERROR);
    }
  }
  std::remove(fifo.c_str());
}

// Another program rewrites the file again and again while it is loaded: each
// load reads the whole model or fails with the parse error and an empty
// model, never a crash or a part of the file.
TEST(XmlReader, FileRewrittenDuringTheLoad) {
  std::string body;
  for (int id = 3; id < 60000; ++id) body += text_sym(id, content("text " + std::to_string(id)));
  const std::string full = file_with(sysdia(body)), path = temp_path("rewritten.xml");
  write_file(path, full);
  std::atomic<bool> stop(false);
  std::thread writer([&] {
    while (!stop) {
      int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
      for (std::size_t at = 0; fd >= 0 && at < full.size(); at += 1 << 16)
        if (::write(fd, full.data() + at, std::min<std::size_t>(1 << 16, full.size() - at)) < 0) break;
      if (fd >= 0) ::close(fd);
    }
  });
  for (int i = 0; i < 10; ++i) {
    SysSpec sysSpec;
    std::string outcome = "OK";
    try {
      sysSpec.load(path);
    } catch (const ClsXML_Reader_ErrorReporter& e) {
      outcome = e.get_ErrorMessage();
    }
    EXPECT_EQ(sysSpec.get_NumberOfRegisteredIDs(), outcome == "OK" ? 59999u : 1u) << outcome;
    if (outcome != "OK") {
      EXPECT_EQ(outcome, PARSE_ERROR);
    }
  }
  stop = true;
  writer.join();
  std::remove(path.c_str());
}

// The pairs of file ID and model ID of a load, for callers that keep file IDs.
TEST(XmlReader, LoadHandsBackTheFileIDs) {
  std::string path = temp_path("ids.xml");
  write_file(path,
             file_with(dia("SYSDIA", 7, "R", 8, ref_sym("BLK_INST_REF", 30, 40, 8, "B")) + dia("BLKDIA", 40, "B", 41)));
  SysSpec sysSpec;
  ClsRenumberingHelper ids;
  sysSpec.load(path, &ids);
  const int pairs[][2] = {{7, 1}, {8, 2}, {30, 3}, {40, 4}, {41, 5}};
  for (const auto& pair : pairs) EXPECT_EQ(ids.get_New_ID_from_Old_ID(pair[0]), pair[1]) << pair[0];
  std::remove(path.c_str());
}

TEST(XmlReader, DocumentsOfTheWrongTypeLoadEmpty) {
  SysSpec sysSpec;
  add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2, "kept?");
  testing::internal::CaptureStderr();
  EXPECT_EQ(load_text(sysSpec, "<?xml version=\"1.0\"?>\n<OTHER><SYSDIA/></OTHER>\n"), "OK");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "document of the wrong type, root node (OTHER) != SYSSPEC\n");
  EXPECT_EQ(sysSpec.get_NumberOfRegisteredIDs(), 1u);
  testing::internal::CaptureStderr();
  EXPECT_EQ(load_text(sysSpec, file_with("<BLKDIA ID=\"1\"/>\n")), "OK");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "document of the wrong type, was 'BLKDIA', SYSDIA expected");
}

// The types and messages of thrown errors are checked through the tables.
TEST(XmlReader, ErrorReporterHidesMessagesOfOtherTypes) {
  using E = ClsXML_Reader_ErrorReporter;
  EXPECT_EQ(E(E::XML_ERROR_CHANNEL_END_ID, "hidden").get_ErrorMessage(), "not specified");
  EXPECT_EQ(E(std::string("")).get_ErrorMessage(), "not specified");
  EXPECT_EQ(ClsXML_Reader::NOT_SPECIFIED, "not specified");
}
