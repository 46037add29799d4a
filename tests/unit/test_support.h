#ifndef SDL_TESTS_TEST_SUPPORT_H
#define SDL_TESTS_TEST_SUPPORT_H

// Helpers shared by the unit tests: files, small models built through the
// ordinary model operations, pieces of model file text, and SDL/PR generation.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "model/SysSpec.h"
#include "sdlpr/SDL_PR_Writer.h"
#include "xml/XML_Reader.h"

// The status that an operation reporting through `info` left behind:
//   EXPECT_EQ(STATUS(sysSpec.delete_Page(1, 2, info)), R::PAGE_DELETE_OK);
#define STATUS(call) ((void)(call), info.get_Info())

namespace sdltest {

using namespace Vemra;
using R = ClsMoAccessInfo;
using SM = ClsStateMachineSymbol;

// A fresh system model (system diagram 1 with page 2) and a status holder.
struct ModelTest : testing::Test {
  SysSpec sysSpec;
  ClsMoAccessInfo info;
};

// ---- files ------------------------------------------------------------------

inline std::string temp_path(const std::string& name) {
  return testing::TempDir() + "sdl_" + std::to_string(getpid()) + "_" + name;
}
inline std::string data_path(const std::string& name) { return std::string(SDL_TEST_DATA_DIR) + "/" + name; }

inline std::string read_file(const std::string& path) {
  std::ostringstream out;
  out << std::ifstream(path, std::ios::binary).rdbuf();
  return out.str();
}

inline void write_file(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

template <class F>
std::string stderr_of(F f) {
  testing::internal::CaptureStderr();
  f();
  return testing::internal::GetCapturedStderr();
}

// ---- model builders: each checks that the model accepted the insertion ------

inline int add_symbol(SysSpec& sysSpec, EnumSym::Type kind, int dia, int page, const std::string& text = "S") {
  ClsMoAccessInfo info;
  int id = -1;
  EXPECT_EQ(STATUS(sysSpec.insert_Symbol(kind, dia, page, 10, 20, 100, 40, text, info, id)), R::INSERT_OK);
  return id;
}

inline int add_sm(SysSpec& sysSpec, SM::e_StateMachineSymbolType kind, int dia, int page,
                  const std::string& text = "T") {
  ClsMoAccessInfo info;
  int id = -1;
  EXPECT_EQ(STATUS(sysSpec.insert_StateMachineSymbol(kind, dia, page, 1, 2, 3, 4, text, info, id)), R::INSERT_OK);
  return id;
}

inline int add_flow(SysSpec& sysSpec, int dia, int page, int from, int to) {
  ClsMoAccessInfo info;
  int id = -1;
  std::list<int> coords{1, 2, 3, 4};
  EXPECT_EQ(STATUS(sysSpec.insert_FlowLine(dia, page, coords, from, to, info, id)), R::INSERT_OK);
  return id;
}

inline int add_decision_flow(SysSpec& sysSpec, int dia, int page, int from, int to, const std::string& answer = "yes") {
  ClsMoAccessInfo info;
  int id = -1;
  std::list<int> coords{5, 6, 7, 8};
  EXPECT_EQ(
      STATUS(sysSpec.insert_DecisionFlowLine(dia, page, coords, from, to, answer, ClsRecPaS(1, 1, 20, 10), info, id)),
      R::INSERT_OK);
  return id;
}

// Inserts a channel and returns the status; the new ID goes to `id`.
inline R::e_ResultType try_channel(SysSpec& sysSpec, int dia, int page, bool src_env, int src, bool dst_env, int dst,
                                   int& id, ClsChannel::e_DelayType delay = ClsChannel::DELAY,
                                   ClsChannel::e_DirectionType dir = ClsChannel::BOTH) {
  ClsMoAccessInfo info;
  std::list<int> coords{10, 20, 30, 40, 0, 7};
  sysSpec.insert_Channel(
      dia, page, delay, dir, ClsChanName("ch & <n>", ClsRecPaS(1, 2, 3, 4)),
      ClsChanSourceSigList("s1, s2", ClsRecPaS(5, 6, 7, 8)), ClsChanSourceCon("", ClsRecPaS(9, 10, 11, 12)),
      ClsChanDestSigList("d\n", ClsRecPaS(0, 0, 0, 0)), ClsChanDestCon(" c ", ClsRecPaS(13, 14, 15, 16)), coords,
      src_env, src, dst_env, dst, info, id);
  return info.get_Info();
}

// Negative ends stand for the environment.
inline int add_channel(SysSpec& sysSpec, int dia, int page, int src, int dst) {
  int id = -1;
  EXPECT_EQ(try_channel(sysSpec, dia, page, src < 0, src, dst < 0, dst, id), R::INSERT_OK);
  return id;
}

inline std::list<const ClsChannel*> channels(const SysSpec& sysSpec, int dia, int page) {
  ClsMoAccessInfo info;
  std::list<const ClsChannel*> chans;
  sysSpec.get_Channels(dia, page, chans, info);
  return chans;
}

// Appends a page to the diagram and returns its ID.
inline int add_page(SysSpec& sysSpec, int dia) {
  ClsMoAccessInfo info;
  EXPECT_EQ(STATUS(sysSpec.append_NewPage(dia, info)), R::PAGE_INSERT_OK);
  return sysSpec.get_LastPageID(dia, info);
}

inline int first_page(const SysSpec& sysSpec, int dia) {
  ClsMoAccessInfo info;
  return sysSpec.get_FirstPageID(dia, info);
}

// The diagram that a reference symbol stands for.
inline int ref_diagram(const SysSpec& sysSpec, int symbol) {
  ClsMoAccessInfo info;
  const Symbol* sym = sysSpec.get_RecSymbol(symbol, info);
  return sym ? sym->get_referenced_Diagram_Model_ID() : -1;
}

// The model IDs of a list of elements, in list order.
template <class T>
std::list<int> ids_of(const std::list<T>& elements) {
  std::list<int> ids;
  for (const auto* e : elements) ids.push_back(e->get_Model_ID());
  return ids;
}

// ---- model files -------------------------------------------------------------

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
  add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2, "old");
  EXPECT_EQ(load_text(sysSpec, text), expected) << label;
  if (expected != "OK") {
    EXPECT_EQ(stored_text(sysSpec), stored_text(fresh)) << label;
  }
}

// The text with every occurrence of `what` (there must be one) replaced.
inline std::string edit(std::string text, const std::string& what, const std::string& with) {
  if (what.empty()) return text;
  EXPECT_NE(text.find(what), std::string::npos) << what;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
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
inline std::string dia(const std::string& kind, int id, const std::string& name, int page,
                       const std::string& body = "") {
  return element(kind + " ID=\"" + std::to_string(id) + "\"",
                 "<DIA_NAME>\n" + name + "\n</DIA_NAME>\n" + page_lines(page) + body);
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

// ---- SDL/PR generation ---------------------------------------------------------

using SMError = ClsSDL_PR_Writer_StateMaSymError;
constexpr int ENV = ClsChannel::ENV_ID;
// Outcome::Type: no error, the unspecified error, or a graph error's kind.
constexpr int NONE = -1, UNSPECIFIED = 0;
constexpr int ILLEGAL_START = SMError::SMS_ILLEGAL_START_STATE, NOT_COMPLETE = SMError::SMS_TRANSITION_NOT_COMPLETE;

// Channel fields in this order: name, source signals, source connection,
// destination signals, destination connection, delay, direction, ends.
struct ChanDef {
  std::string Name, SourceSigs, SourceCon, DestSigs, DestCon;
  int Delay = 0, Direction = 0, Source = ENV, Dest = ENV;
};

// One symbol of a state-machine graph, and a line between two of them given
// by index; a line with an answer text is a decision flow line.
using SmDef = std::pair<SM::e_StateMachineSymbolType, std::string>;
struct Edge {
  int From, To;
  const char* Answer = nullptr;
};

// How a generation ended; a graph error also names symbol, page and diagram.
struct Outcome {
  int Type = NONE;
  int Symbol = -1, Page = -1, Diagram = -1;
};

// A system model for SDL/PR generation, built through the model operations
// on the first page of each diagram unless a page is given.
class PrModel {
public:
  SysSpec Model;
  ClsMoAccessInfo Info;  // for further model operations
  std::string Written;   // the file content of the last generation

  int sys() const { return Model.get_System_Model_ID(); }
  int page(int Dia) const { return first_page(Model, Dia); }
  int new_page(int Dia) { return add_page(Model, Dia); }
  int sym(int Dia, EnumSym::Type Type, const std::string& Text) {
    return add_symbol(Model, Type, Dia, page(Dia), Text);
  }
  // The diagram of a new reference symbol.
  int ref(int Dia, EnumSym::Type Type, const std::string& Name) { return ref_diagram(Model, sym(Dia, Type, Name)); }
  int sm(int Dia, SM::e_StateMachineSymbolType Type, const std::string& Text, int Page = -1) {
    return add_sm(Model, Type, Dia, Page < 0 ? page(Dia) : Page, Text);
  }
  int chan(int Dia, const ChanDef& D) {
    ClsRecPaS Box(0, 0, 1, 1);
    std::list<int> Coords{0, 0, 5, 5};
    int ID = -1;
    Model.insert_Channel(Dia, page(Dia), static_cast<ClsChannel::e_DelayType>(D.Delay),
                         static_cast<ClsChannel::e_DirectionType>(D.Direction), ClsChanName(D.Name, Box),
                         ClsChanSourceSigList(D.SourceSigs, Box), ClsChanSourceCon(D.SourceCon, Box),
                         ClsChanDestSigList(D.DestSigs, Box), ClsChanDestCon(D.DestCon, Box), Coords,
                         D.Source == ENV, D.Source, D.Dest == ENV, D.Dest, Info, ID);
    EXPECT_EQ(Info.get_Info(), R::INSERT_OK);
    return ID;
  }
  // A flow line, or a decision flow line when an answer text is given.
  int line(int Dia, int From, int To, const char* Answer = nullptr, int Page = -1) {
    if (Page < 0) Page = page(Dia);
    return Answer ? add_decision_flow(Model, Dia, Page, From, To, Answer) : add_flow(Model, Dia, Page, From, To);
  }
  // Inserts the symbols, then the lines between them; returns the symbol IDs.
  std::vector<int> graph(int Dia, const std::vector<SmDef>& Syms, const std::vector<Edge>& Edges, int Page = -1) {
    std::vector<int> IDs;
    for (const SmDef& s : Syms) IDs.push_back(sm(Dia, s.first, s.second, Page));
    for (const Edge& e : Edges) line(Dia, IDs.at(e.From), IDs.at(e.To), e.Answer, Page);
    return IDs;
  }
  // Generates into a temporary file and returns its content; after a failure
  // the error propagates with the partial content in `Written`. The writer
  // closes the file when it goes, also after a failure.
  std::string generate(bool Nested) {
    std::string Path = temp_path("out.pr");
    auto collect = [&] {
      Written = read_file(Path);
      std::remove(Path.c_str());
    };
    try {
      ClsSDL_PR_Writer().write_SysSpec(&Model, Path, Nested);
    } catch (...) {
      collect();
      throw;
    }
    collect();
    return Written;
  }
  // Generates and reports how the generation ended; every thrown error
  // carries the kind of its class.
  Outcome outcome(bool Nested = false) {
    Outcome o;
    try {
      generate(Nested);
    } catch (const SMError& e) {
      EXPECT_EQ(e.get_ErrorType(), ClsSDL_PR_Writer_ErrorReporter::STATEMA_SYM_ERROR);
      o = {e.get_StateMaErrorType(), e.get_Symbol_ID(), e.get_PageID(), e.get_DiagramID()};
    } catch (const ClsSDL_PR_Writer_UnspecifiedError& e) {
      EXPECT_EQ(e.get_ErrorType(), ClsSDL_PR_Writer_ErrorReporter::UNSPECIFIED_ERROR);
      o.Type = UNSPECIFIED;
    }
    return o;
  }
};

// A system with one process P and, for a procedure body, a procedure Pr in
// it; D is the diagram whose body is under test. head/tail frame that body.
struct BodyModel : PrModel {
  explicit BodyModel(bool InProcedure = false) : Procedure(InProcedure) {}
  const bool Procedure;
  const int P = ref(sys(), EnumSym::PRO_INST_REF_SYM, "P");
  const int D = Procedure ? ref(P, EnumSym::PROCEDURE_INST_REF_SYM, "Pr") : P;

  std::string head(bool Nested) const {
    std::string h =
        Nested ? "SYSTEM ROOT;\nPROCESS P;\n" : "SYSTEM ROOT;\nPROCESS P REFERENCED;\nENDSYSTEM ROOT;\nPROCESS P;\n";
    if (!Procedure) return h;
    return h + (Nested ? "" : "PROCEDURE Pr REFERENCED;\nENDPROCESS P;\n") + "PROCEDURE Pr;\nformal parameters;\n";
  }
  std::string tail(bool Nested) const {
    if (Nested) return (Procedure ? "ENDPROCEDURE Pr;\n" : std::string()) + "ENDPROCESS P;\nENDSYSTEM ROOT;\n";
    return Procedure ? "ENDPROCEDURE Pr;\n" : "ENDPROCESS P;\n";
  }
  std::string wrap(const std::string& Body, bool Nested = false) const { return head(Nested) + Body + tail(Nested); }
};

}  // namespace sdltest

#endif
