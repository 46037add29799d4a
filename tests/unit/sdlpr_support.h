// Model building and file helpers shared by the SDL/PR generator tests.
#ifndef SDLPR_SUPPORT_H
#define SDLPR_SUPPORT_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "model/SysSpec.h"
#include "sdlpr/SDL_PR_Writer.h"

namespace sdlpr_test {

using namespace Vemra;
using SM = ClsStateMachineSymbol;
constexpr int ENV = ClsChannel::ENV_ID;

inline std::string read_File(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::string temp_Path(const std::string& Name) {
  return ::testing::TempDir() + "sdlpr_" + std::to_string(::getpid()) + "_" + Name;
}

inline void expect(const ClsMoAccessInfo& Info, ClsMoAccessInfo::e_ResultType Wanted) {
  if (Info.get_Info() != Wanted) throw std::runtime_error(std::string("model operation failed: ") + Info.get_Info_Message());
}

struct ChanDef {
  std::string Name, SourceSigs, SourceCon, DestSigs, DestCon;
  int Delay = 0;
  int Direction = 0;
  int Source = ENV;
  int Dest = ENV;
};

// A system model built through the model operations, on the first page of
// each diagram unless a page is given.
class PrModel {
public:
  SysSpec Model;

  int sys() const { return Model.get_System_Model_ID(); }
  int page(int Dia) const {
    ClsMoAccessInfo Info;
    int ID = Model.get_FirstPageID(Dia, Info);
    expect(Info, ClsMoAccessInfo::PAGE_GET_OK);
    return ID;
  }
  // Runs one insertion and returns the new ID; a refused insertion throws.
  template <class F>
  int inserted(F insert) {
    ClsMoAccessInfo Info;
    int ID = -1;
    insert(Info, ID);
    expect(Info, ClsMoAccessInfo::INSERT_OK);
    return ID;
  }
  int sym(int Dia, EnumSym::Type Type, const std::string& Text, int Page = -1) {
    return inserted([&](ClsMoAccessInfo& Info, int& ID) {
      Model.insert_Symbol(Type, Dia, Page < 0 ? page(Dia) : Page, 0, 0, 10, 10, Text, Info, ID);
    });
  }
  // The diagram that a reference symbol stands for.
  int dia_of(int SymID) const {
    ClsMoAccessInfo Info;
    return Model.get_RecSymbol(SymID, Info)->get_referenced_Diagram_Model_ID();
  }
  int ref(int Dia, EnumSym::Type Type, const std::string& Name) { return dia_of(sym(Dia, Type, Name)); }
  int chan(int Dia, const ChanDef& D) {
    ClsRecPaS Box(0, 0, 1, 1);
    std::list<int> Coords{0, 0, 5, 5};
    return inserted([&](ClsMoAccessInfo& Info, int& ID) {
      Model.insert_Channel(Dia, page(Dia), static_cast<ClsChannel::e_DelayType>(D.Delay),
                          static_cast<ClsChannel::e_DirectionType>(D.Direction), ClsChanName(D.Name, Box),
                          ClsChanSourceSigList(D.SourceSigs, Box), ClsChanSourceCon(D.SourceCon, Box),
                          ClsChanDestSigList(D.DestSigs, Box), ClsChanDestCon(D.DestCon, Box), Coords,
                          D.Source == ENV, D.Source, D.Dest == ENV, D.Dest, Info, ID);
    });
  }
  int sm(int Dia, SM::e_StateMachineSymbolType Type, const std::string& Text, int Page = -1) {
    return inserted([&](ClsMoAccessInfo& Info, int& ID) {
      Model.insert_StateMachineSymbol(Type, Dia, Page < 0 ? page(Dia) : Page, 0, 0, 10, 10, Text, Info, ID);
    });
  }
  int flow(int Dia, int From, int To, int Page = -1) { return line(Dia, From, To, nullptr, Page); }
  int answer(int Dia, int From, int To, const std::string& Text, int Page = -1) {
    return line(Dia, From, To, &Text, Page);
  }
  // A flow line, or a decision flow line when an answer text is given.
  int line(int Dia, int From, int To, const std::string* Answer, int Page = -1) {
    std::list<int> Coords{0, 0, 1, 1};
    if (Page < 0) Page = page(Dia);
    return inserted([&](ClsMoAccessInfo& Info, int& ID) {
      if (Answer)
        Model.insert_DecisionFlowLine(Dia, Page, Coords, From, To, *Answer, ClsRecPaS(0, 0, 1, 1), Info, ID);
      else
        Model.insert_FlowLine(Dia, Page, Coords, From, To, Info, ID);
    });
  }
  // Appends a page to the diagram and returns its ID.
  int new_page(int Dia) {
    ClsMoAccessInfo Info;
    Model.append_NewPage(Dia, Info);
    return Model.get_LastPageID(Dia, Info);
  }
  void name_sys(const std::string& Name) {
    ClsMoAccessInfo Info;
    Model.modify_SysDiaName(Name, Info);
  }
  // Generates into a temporary file and returns its content; generation
  // errors propagate after the content is readable in `Written`.
  std::string generate(bool Nested, const std::string& Name = "out.pr") {
    std::string Path = temp_Path(Name);
    // The writer closes the file when it goes, also after a failure.
    auto run = [&] {
      ClsSDL_PR_Writer Writer;
      Writer.write_SysSpec(&Model, Path, Nested);
    };
    try {
      run();
    } catch (...) {
      Written = read_File(Path);
      std::remove(Path.c_str());
      throw;
    }
    Written = read_File(Path);
    std::remove(Path.c_str());
    return Written;
  }
  std::string Written;
};

// A system with one process P, for the state-machine tests: the lines around
// the process body in the referenced layout.
struct ProcessModel : PrModel {
  int P = ref(sys(), EnumSym::PRO_INST_REF_SYM, "P");
  static inline const std::string HEAD = "SYSTEM ROOT;\nPROCESS P REFERENCED;\nENDSYSTEM ROOT;\nPROCESS P;\n";
  static std::string wrap(const std::string& Body) { return HEAD + Body + "ENDPROCESS P;\n"; }
};

}  // namespace sdlpr_test

#endif
