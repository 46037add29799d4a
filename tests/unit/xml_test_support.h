#ifndef VEMRA_XML_TEST_SUPPORT_H
#define VEMRA_XML_TEST_SUPPORT_H

// Shared helpers of the model file tests: temporary files, small models built
// through the ordinary model operations, and pieces of model file text.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <list>
#include <vector>

#include "model/SysSpec.h"
#include "xml/XML_Reader.h"

namespace xmltest {

using namespace Vemra;
using SM = ClsStateMachineSymbol;

inline std::string temp_path(const std::string& name) {
  return testing::TempDir() + "sdl_xml_" + std::to_string(getpid()) + "_" + name;
}

inline std::string read_file(const std::string& path) {
  std::ostringstream out;
  out << std::ifstream(path, std::ios::binary).rdbuf();
  return out.str();
}

inline void write_file(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// Stores the system model and returns the file's text.
inline std::string stored_text(SysSpec& sysSpec) {
  std::string path = temp_path("stored.xml");
  EXPECT_TRUE(sysSpec.store(path));
  std::string text = read_file(path);
  std::remove(path.c_str());
  return text;
}

// Outcome of loading a text: "OK", "renumbering", or the reader's message,
// followed by " #<type>" for the error types that carry no message.
inline std::string load_text(SysSpec& sysSpec, const std::string& text) {
  std::string path = temp_path("load.xml");
  write_file(path, text);
  std::string result = "OK";
  try {
    sysSpec.load(path);
  } catch (const ClsXML_Reader_ErrorReporter& e) {
    result = e.get_ErrorMessage();
    if (e.get_ErrorType() != ClsXML_Reader_ErrorReporter::XML_ERROR_WITH_MESSAGE)
      result += " #" + std::to_string(e.get_ErrorType());
  } catch (const ClsRenumberingHelper_ErrorReporter&) {
    result = "renumbering";
  }
  std::remove(path.c_str());
  return result;
}

// Loads the text into a model holding a symbol; a failed load must leave the
// system model reset.
inline void expect_load(const std::string& text, const std::string& expected, const std::string& label = "") {
  SysSpec sysSpec, fresh;
  ClsMoAccessInfo info;
  int id = -1;
  sysSpec.insert_Symbol(EnumSym::TEXT_SYM, 1, 2, 1, 1, 1, 1, "old", info, id);
  EXPECT_EQ(load_text(sysSpec, text), expected) << label;
  if (expected != "OK") { EXPECT_EQ(stored_text(sysSpec), stored_text(fresh)) << label; }
}

// The text with every occurrence of `what` (there must be one) replaced.
inline std::string edit(std::string text, const std::string& what, const std::string& with) {
  if (what.empty()) return text;
  EXPECT_NE(text.find(what), std::string::npos) << what;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
}

inline int insert_sym(SysSpec& sysSpec, EnumSym::Type type, int dia, int page, int x, const std::string& text) {
  ClsMoAccessInfo info;
  int id = -1;
  sysSpec.insert_Symbol(type, dia, page, x, 100, 60, 40, text, info, id);
  EXPECT_EQ(info.get_Info(), ClsMoAccessInfo::INSERT_OK);
  return id;
}

inline int insert_sm(SysSpec& sysSpec, SM::e_StateMachineSymbolType type, int dia, int page, int y, const std::string& text) {
  ClsMoAccessInfo info;
  int id = -1;
  sysSpec.insert_StateMachineSymbol(type, dia, page, 200, y, 80, 40, text, info, id);
  EXPECT_EQ(info.get_Info(), ClsMoAccessInfo::INSERT_OK);
  return id;
}

inline int referenced_dia(SysSpec& sysSpec, int symbol) {
  ClsMoAccessInfo info;
  return sysSpec.get_RecSymbol(symbol, info)->get_referenced_Diagram_Model_ID();
}

inline int first_page(SysSpec& sysSpec, int dia) {
  ClsMoAccessInfo info;
  return sysSpec.get_FirstPageID(dia, info);
}

// Loads the text and returns the texts of the text symbols on page 2.
inline std::vector<std::string> texts_of(const std::string& text) {
  SysSpec sysSpec;
  EXPECT_EQ(load_text(sysSpec, text), "OK");
  ClsMoAccessInfo info;
  std::list<const Symbol*> syms;
  sysSpec.get_Syms(EnumSym::TEXT_SYM, 1, 2, syms, info);
  std::vector<std::string> texts;
  for (const Symbol* s : syms) texts.push_back(s->content_ref());
  return texts;
}

// The system model used by the round trip and truncation tests.
inline int insert_channel(SysSpec& sysSpec, int dia, int page, ClsChannel::e_DelayType delay, ClsChannel::e_DirectionType dir,
                          bool src_env, int src, bool dst_env, int dst) {
  std::list<int> coords{10, 20, 30, 40, 0, 7};
  ClsMoAccessInfo info;
  int id = -1;
  sysSpec.insert_Channel(dia, page, delay, dir, ClsChanName("ch & <n>", ClsRecPaS(1, 2, 3, 4)),
                         ClsChanSourceSigList("s1, s2", ClsRecPaS(5, 6, 7, 8)),
                         ClsChanSourceCon("", ClsRecPaS(9, 10, 11, 12)), ClsChanDestSigList("d\n", ClsRecPaS(0, 0, 0, 0)),
                         ClsChanDestCon(" c ", ClsRecPaS(13, 14, 15, 16)), coords, src_env, src, dst_env, dst, info, id);
  EXPECT_EQ(info.get_Info(), ClsMoAccessInfo::INSERT_OK);
  return id;
}

// State-machine symbols of the first `kinds` kinds in reading order, joined by
// a normal and two decision flow lines.
inline void fill_graph(SysSpec& sysSpec, int dia, int page, int kinds) {
  static const SM::e_StateMachineSymbolType READING_ORDER[] = {
      SM::START, SM::STATE,    SM::OUTPUT,     SM::INPUT,          SM::CONDITION,             SM::STOP,
      SM::TASK,  SM::DECISION, SM::CREATE_PRO, SM::CALL_PROCEDURE, SM::PROCEDURE_START_STATE, SM::PROCEDURE_RETURN};
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
inline void build_rich(SysSpec& sysSpec) {
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
  int blk = referenced_dia(sysSpec, b1), bp = first_page(sysSpec, blk);
  insert_sym(sysSpec, EnumSym::TEXT_SYM, blk, bp, 10, " lead");
  int p1 = insert_sym(sysSpec, EnumSym::PRO_INST_REF_SYM, blk, bp, 30, "P1");
  int pro = referenced_dia(sysSpec, p1), pp = first_page(sysSpec, pro);
  insert_sym(sysSpec, EnumSym::TEXT_SYM, pro, pp, 1, "dcl x Integer;");
  int ptype = insert_sym(sysSpec, EnumSym::PRO_TYPE_REF_SYM, pro, pp, 2, "PT");
  int proc = referenced_dia(sysSpec, insert_sym(sysSpec, EnumSym::PROCEDURE_INST_REF_SYM, pro, pp, 3, "Q"));
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

// Pieces of model file text.
inline std::string file_with(const std::string& body) {
  return "<?xml version=\"1.0\"?>\n<!DOCTYPE SYSSPEC SYSTEM \"Vemra.dtd\">\n<SYSSPEC>\n" + body + "</SYSSPEC>\n";
}

inline std::string pas(int x, int y, int w, int h) {
  return "<PAS X_LEFT_UP=\"" + std::to_string(x) + "\" Y_LEFT_UP=\"" + std::to_string(y) + "\" WIDTH=\"" +
         std::to_string(w) + "\" HEIGHT=\"" + std::to_string(h) + "\"></PAS>\n";
}
const std::string PAS1234 = pas(1, 2, 3, 4);

inline std::string content(const std::string& text) { return "<CONTENT>\n" + text + "\n</CONTENT>\n"; }

// `<open>\nbody</name>\n`, where name is the first word of open.
inline std::string element(const std::string& open, const std::string& body) {
  return "<" + open + ">\n" + body + "</" + open.substr(0, open.find(' ')) + ">\n";
}

inline std::string page_lines(int id, int width = 800, int height = 600) {
  return element("PAGE ID=\"" + std::to_string(id) + "\"", "<WIDTH>" + std::to_string(width) + "</WIDTH>\n<HEIGHT>" +
                                                          std::to_string(height) + "</HEIGHT>\n" +
                                                          element("PAGEFRAME", pas(80, 60, 640, 480)));
}

// A diagram element with its name, one page and the given symbols.
inline std::string dia(const std::string& kind, int id, const std::string& name, int page, const std::string& body = "") {
  return element(kind + " ID=\"" + std::to_string(id) + "\"", "<DIA_NAME>\n" + name + "\n</DIA_NAME>\n" + page_lines(page) + body);
}
inline std::string sysdia(const std::string& body = "") { return dia("SYSDIA", 1, "ROOT", 2, body); }

inline std::string text_sym(int id, const std::string& body, int page = 2) {
  return element("TEXTSYM ID=\"" + std::to_string(id) + "\" PARENT_PAGE_ID=\"" + std::to_string(page) + "\"",
                 body + PAS1234);
}

// A reference symbol `kind` with ID `id` naming diagram `ref`, on page `page`.
inline std::string ref_sym(const std::string& kind, int id, int ref, int page, const std::string& text) {
  return element(kind + " ID=\"" + std::to_string(id) + "\" IDREF=\"" + std::to_string(ref) + "\" PARENT_PAGE_ID=\"" +
                     std::to_string(page) + "\"",
                 content(text) + PAS1234);
}

}  // namespace xmltest

#endif
