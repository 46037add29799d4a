// Model building, generation and outcome helpers shared by the SDL/PR
// generator tests.
#ifndef SDLPR_SUPPORT_H
#define SDLPR_SUPPORT_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "model/SysSpec.h"
#include "sdlpr/SDL_PR_Writer.h"

namespace sdlpr_test {

using namespace Vemra;
using SM = ClsStateMachineSymbol;
using SMError = ClsSDL_PR_Writer_StateMaSymError;
constexpr int ENV = ClsChannel::ENV_ID;
// Outcome::Type: no error, the unspecified error, or a graph error's kind.
constexpr int NONE = -1, UNSPECIFIED = 0;
constexpr int ILLEGAL_START = SMError::SMS_ILLEGAL_START_STATE, NOT_COMPLETE = SMError::SMS_TRANSITION_NOT_COMPLETE;

inline std::string read_File(const std::string& Path) {
  std::ostringstream text;
  text << std::ifstream(Path, std::ios::binary).rdbuf();
  return text.str();
}

inline std::string temp_Path(const std::string& Name) {
  return ::testing::TempDir() + "sdlpr_" + std::to_string(::getpid()) + "_" + Name;
}

inline void expect(const ClsMoAccessInfo& Info, ClsMoAccessInfo::e_ResultType Wanted) {
  if (Info.get_Info() != Wanted)
    throw std::runtime_error(std::string("model operation failed: ") + Info.get_Info_Message());
}

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

// A system model built through the model operations, on the first page of
// each diagram unless a page is given. A refused operation throws.
class PrModel {
public:
  SysSpec Model;
  ClsMoAccessInfo Info;  // of the last model operation
  int ID = -1;           // of the last insertion
  std::string Written;   // the file content of the last generation

  int sys() const { return Model.get_System_Model_ID(); }
  int page(int Dia) const {
    ClsMoAccessInfo PageInfo;
    int Page = Model.get_FirstPageID(Dia, PageInfo);
    expect(PageInfo, ClsMoAccessInfo::PAGE_GET_OK);
    return Page;
  }
  int new_page(int Dia) {
    Model.append_NewPage(Dia, Info);
    return Model.get_LastPageID(Dia, Info);
  }
  // The ID of the last insertion, which the model must have accepted.
  int inserted() const {
    expect(Info, ClsMoAccessInfo::INSERT_OK);
    return ID;
  }
  int sym(int Dia, EnumSym::Type Type, const std::string& Text, int Page = -1) {
    Model.insert_Symbol(Type, Dia, Page < 0 ? page(Dia) : Page, 0, 0, 10, 10, Text, Info, ID);
    return inserted();
  }
  // The diagram that a reference symbol stands for.
  int dia_of(int SymID) { return Model.get_RecSymbol(SymID, Info)->get_referenced_Diagram_Model_ID(); }
  int ref(int Dia, EnumSym::Type Type, const std::string& Name) { return dia_of(sym(Dia, Type, Name)); }
  int chan(int Dia, const ChanDef& D) {
    ClsRecPaS Box(0, 0, 1, 1);
    std::list<int> Coords{0, 0, 5, 5};
    Model.insert_Channel(Dia, page(Dia), static_cast<ClsChannel::e_DelayType>(D.Delay),
                         static_cast<ClsChannel::e_DirectionType>(D.Direction), ClsChanName(D.Name, Box),
                         ClsChanSourceSigList(D.SourceSigs, Box), ClsChanSourceCon(D.SourceCon, Box),
                         ClsChanDestSigList(D.DestSigs, Box), ClsChanDestCon(D.DestCon, Box), Coords,
                         D.Source == ENV, D.Source, D.Dest == ENV, D.Dest, Info, ID);
    return inserted();
  }
  int sm(int Dia, SM::e_StateMachineSymbolType Type, const std::string& Text, int Page = -1) {
    Model.insert_StateMachineSymbol(Type, Dia, Page < 0 ? page(Dia) : Page, 0, 0, 10, 10, Text, Info, ID);
    return inserted();
  }
  // A flow line, or a decision flow line when an answer text is given.
  int line(int Dia, int From, int To, const char* Answer = nullptr, int Page = -1) {
    std::list<int> Coords{0, 0, 1, 1};
    if (Page < 0) Page = page(Dia);
    if (Answer) Model.insert_DecisionFlowLine(Dia, Page, Coords, From, To, Answer, {0, 0, 1, 1}, Info, ID);
    else Model.insert_FlowLine(Dia, Page, Coords, From, To, Info, ID);
    return inserted();
  }
  // Inserts the symbols, then the lines between them; returns the symbol IDs.
  std::vector<int> graph(int Dia, const std::vector<SmDef>& Syms, const std::vector<Edge>& Edges, int Page = -1) {
    std::vector<int> IDs;
    for (const SmDef& s : Syms) IDs.push_back(sm(Dia, s.first, s.second, Page));
    for (const Edge& e : Edges) line(Dia, IDs.at(e.From), IDs.at(e.To), e.Answer, Page);
    return IDs;
  }
  void name_sys(const std::string& Name) { Model.modify_SysDiaName(Name, Info); }
  // Generates into a temporary file and returns its content; after a failure
  // the error propagates with the partial content in `Written`. The writer
  // closes the file when it goes, also after a failure.
  std::string generate(bool Nested) {
    std::string Path = temp_Path("out.pr");
    auto collect = [&] {
      Written = read_File(Path);
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
    std::string h = Nested ? "SYSTEM ROOT;\nPROCESS P;\n"
                           : "SYSTEM ROOT;\nPROCESS P REFERENCED;\nENDSYSTEM ROOT;\nPROCESS P;\n";
    if (!Procedure) return h;
    return h + (Nested ? "" : "PROCEDURE Pr REFERENCED;\nENDPROCESS P;\n") + "PROCEDURE Pr;\nformal parameters;\n";
  }
  std::string tail(bool Nested) const {
    if (Nested) return (Procedure ? "ENDPROCEDURE Pr;\n" : std::string()) + "ENDPROCESS P;\nENDSYSTEM ROOT;\n";
    return Procedure ? "ENDPROCEDURE Pr;\n" : "ENDPROCESS P;\n";
  }
  std::string wrap(const std::string& Body, bool Nested = false) const { return head(Nested) + Body + tail(Nested); }
};

}  // namespace sdlpr_test

#endif
