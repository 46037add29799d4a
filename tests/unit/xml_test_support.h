#ifndef VEMRA_XML_TEST_SUPPORT_H
#define VEMRA_XML_TEST_SUPPORT_H

// Shared helpers of the model file tests: temporary files and small models
// built through the ordinary model operations.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "model/SysSpec.h"
#include "xml/XML_Reader.h"

namespace xmltest {

using namespace Vemra;

inline std::string temp_path(const std::string& name) {
  return (testing::TempDir().empty() ? std::string("/tmp/") : testing::TempDir()) + "sdl_xml_" +
         std::to_string(getpid()) + "_" + name;
}

inline std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline void write_file(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

// Stores the system model and returns the file's text.
inline std::string stored_text(SysSpec& sysSpec, const std::string& name = "stored.xml") {
  std::string path = temp_path(name);
  EXPECT_TRUE(sysSpec.store(path));
  std::string text = read_file(path);
  std::remove(path.c_str());
  return text;
}

// Outcome of loading a text: "OK", the reader's message, or "renumbering".
inline std::string load_text(SysSpec& sysSpec, const std::string& text) {
  std::string path = temp_path("load.xml");
  write_file(path, text);
  std::string result = "OK";
  try {
    sysSpec.load(path);
  } catch (const ClsXML_Reader_ErrorReporter& e) {
    result = e.get_ErrorMessage();
  } catch (const ClsRenumberingHelper_ErrorReporter&) {
    result = "renumbering";
  }
  std::remove(path.c_str());
  return result;
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

// The file text with the given lines in between the prolog and the end tag.
inline std::string file_with(const std::string& body) {
  return "<?xml version=\"1.0\"?>\n<!DOCTYPE SYSSPEC SYSTEM \"Vemra.dtd\">\n<SYSSPEC>\n" + body + "</SYSSPEC>\n";
}

inline std::string page_lines(int id, int width = 800, int height = 600) {
  return "<PAGE ID=\"" + std::to_string(id) + "\">\n<WIDTH>" + std::to_string(width) + "</WIDTH>\n<HEIGHT>" +
         std::to_string(height) +
         "</HEIGHT>\n<PAGEFRAME>\n<PAS X_LEFT_UP=\"80\" Y_LEFT_UP=\"60\" WIDTH=\"640\" HEIGHT=\"480\"></PAS>\n"
         "</PAGEFRAME>\n</PAGE>\n";
}

inline std::string sysdia_open(int id = 1, int page = 2) {
  return "<SYSDIA ID=\"" + std::to_string(id) + "\">\n<DIA_NAME>\nROOT\n</DIA_NAME>\n" + page_lines(page);
}

}  // namespace xmltest

#endif
