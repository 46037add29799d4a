#ifndef VEMRA_CHANNEL_H
#define VEMRA_CHANNEL_H

#include <list>
#include <string>

#include "model/CoordList.h"
#include "model/Geometry.h"

namespace Vemra {

// One text component drawn next to a channel: its text and its box.
class ClsChanComp {
public:
  enum e_CompType { NAME = 0, SOURCE_SIG_LIST = 1, DEST_SIG_LIST = 2, SOURCE_CON = 3, DEST_CON = 4 };

  ClsChanComp(e_CompType Type, std::string Content, const ClsRecPaS& PaS)
      : PaS(PaS), CompType(Type), Content(std::move(Content)) {}

  e_CompType get_CompType() const { return CompType; }
  std::string get_content() const { return Content; }
  const std::string& content_ref() const { return Content; }
  void set_content(std::string NewContent) { Content = std::move(NewContent); }
  const ClsRecPaS& get_RecPaS() const { return PaS; }
  ClsRecPaS& get_RecPaS() { return PaS; }

private:
  ClsRecPaS PaS;
  e_CompType CompType;
  std::string Content;
};

#define VEMRA_DECLARE_CHANCOMP(Cls, Kind)                                                          \
  class Cls : public ClsChanComp {                                                                 \
  public:                                                                                          \
    Cls(std::string Content, const ClsRecPaS& PaS) : ClsChanComp(Kind, std::move(Content), PaS) {} \
  };

VEMRA_DECLARE_CHANCOMP(ClsChanName, NAME)
VEMRA_DECLARE_CHANCOMP(ClsChanSourceSigList, SOURCE_SIG_LIST)
VEMRA_DECLARE_CHANCOMP(ClsChanDestSigList, DEST_SIG_LIST)
VEMRA_DECLARE_CHANCOMP(ClsChanSourceCon, SOURCE_CON)
VEMRA_DECLARE_CHANCOMP(ClsChanDestCon, DEST_CON)

#undef VEMRA_DECLARE_CHANCOMP

// A channel between two structure symbols of a diagram, or a symbol and the
// environment (stored with the ID ENV_ID).
class ClsChannel final : public ClsPageObject, public ClsObjectWithModel_ID {
public:
  enum e_DirectionType : int { BOTH = 0, FROM_SOURCE = 1, FROM_DESTINATION = 2 };
  enum e_DelayType : int { DELAY = 0, NO_DELAY = 1 };
  static const int ENV_ID = -100;

  ClsChannel(int ModelID, int PageID, e_DelayType Delay, ClsChanName Name, ClsChanSourceSigList SourceSigList,
             ClsChanSourceCon SourceCon, ClsChanDestSigList DestSigList, ClsChanDestCon DestCon,
             const std::list<int>& Coords, bool SourceIsEnv, int SourceID, bool DestIsEnv, int DestID);
  ClsChannel(int ModelID, int PageID, e_DelayType Delay, e_DirectionType Direction, ClsChanName Name,
             ClsChanSourceSigList SourceSigList, ClsChanSourceCon SourceCon, ClsChanDestSigList DestSigList,
             ClsChanDestCon DestCon, const std::list<int>& Coords, bool SourceIsEnv, int SourceID, bool DestIsEnv,
             int DestID);
  ClsChannel(const ClsChannel&) = delete;
  ClsChannel& operator=(const ClsChannel&) = delete;

  ClsMoEleType::e_MoEle get_MoEleType() const override { return ClsMoEleType::ChanSym; }

  void modify_Chan_DirectionType(e_DirectionType Type) { DirectionType = Type; }
  void modify_Chan_DelayType(e_DelayType Type) { DelayType = Type; }
  void modify_Chan_Coords(const std::list<int>& NewCoords) { Coords.assign(NewCoords); }
  void modify_Comp_Name(std::string Content, const ClsRecPaS& PaS);
  void modify_Comp_SourceSigList(std::string Content, const ClsRecPaS& PaS);
  void modify_Comp_SourceCon(std::string Content, const ClsRecPaS& PaS);
  void modify_Comp_DestSigList(std::string Content, const ClsRecPaS& PaS);
  void modify_Comp_DestCon(std::string Content, const ClsRecPaS& PaS);

  e_DirectionType get_DirectionType() const { return DirectionType; }
  e_DelayType get_DelayType() const { return DelayType; }
  std::string get_DirectionType_as_String() const;
  std::string get_DelayType_as_String() const;

  bool Source_is_Env() const { return SourceIsEnv; }
  bool Destination_is_Env() const { return DestIsEnv; }
  int get_SourceID_as_Int() const { return SourceID; }
  int get_DestID_as_Int() const { return DestID; }
  std::string get_SourceID_as_String() const;
  std::string get_DestID_as_String() const;

  std::string get_NameContent() const { return CompName.get_content(); }
  std::string get_SourceSigListContent() const { return CompSourceSigList.get_content(); }
  std::string get_SourceConContent() const { return CompSourceCon.get_content(); }
  std::string get_DestSigListContent() const { return CompDestSigList.get_content(); }
  std::string get_DestConContent() const { return CompDestCon.get_content(); }
  std::list<int> get_NamePas() const { return CompName.get_RecPaS().get_PaS_as_IntList(); }
  std::list<int> get_SourceSigListPas() const { return CompSourceSigList.get_RecPaS().get_PaS_as_IntList(); }
  std::list<int> get_SourceConPas() const { return CompSourceCon.get_RecPaS().get_PaS_as_IntList(); }
  std::list<int> get_DestSigListPas() const { return CompDestSigList.get_RecPaS().get_PaS_as_IntList(); }
  std::list<int> get_DestConPas() const { return CompDestCon.get_RecPaS().get_PaS_as_IntList(); }
  const ClsChanName* get_ChanName() const { return &CompName; }
  const ClsChanSourceSigList* get_ChanSourceSigList() const { return &CompSourceSigList; }
  const ClsChanSourceCon* get_ChanSourceCon() const { return &CompSourceCon; }
  const ClsChanDestSigList* get_ChanDestSigList() const { return &CompDestSigList; }
  const ClsChanDestCon* get_ChanDestCon() const { return &CompDestCon; }

  void get_Coords_as_IntList(std::list<int>& Out) const { Out.assign(Coords.begin(), Coords.end()); }
  const CoordList& coords_ref() const { return Coords; }
  void print() const;

private:
  e_DirectionType DirectionType;
  e_DelayType DelayType;
  // The five text components, held inline (one allocation per channel).
  ClsChanName CompName;
  ClsChanSourceSigList CompSourceSigList;
  ClsChanSourceCon CompSourceCon;
  ClsChanDestSigList CompDestSigList;
  ClsChanDestCon CompDestCon;
  CoordList Coords;  // x1 y1 x2 y2 ... from source to destination
  bool SourceIsEnv;
  int SourceID;
  bool DestIsEnv;
  int DestID;
};

}  // namespace Vemra

#endif
