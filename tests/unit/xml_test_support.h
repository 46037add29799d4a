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
#include <vector>

#include "model/SysSpec.h"
#include "xml/XML_Reader.h"

namespace xmltest {

using namespace Vemra;

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

inline int insert_sm(SysSpec& sysSpec, ClsStateMachineSymbol::e_StateMachineSymbolType type, int dia, int page, int y,
                     const std::string& text) {
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
