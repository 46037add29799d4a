#ifndef VEMRA_FLOWLINE_H
#define VEMRA_FLOWLINE_H

#include <list>
#include <string>

#include "model/CoordList.h"
#include "model/Geometry.h"

namespace Vemra {

// A directed polyline from one state-machine symbol to another of the same diagram.
class ClsFlowLine : public ClsPageObject, public ClsObjectWithModel_ID {
public:
  enum e_FlowLineType : int { NORMAL = 0, DECISION_ANSWER = 1 };

  ClsFlowLine(int ModelID, int PageID, e_FlowLineType Type, const std::list<int>& Coords, int SourceID, int DestID)
      : ClsPageObject(PageID),
        ClsObjectWithModel_ID(ModelID),
        FlowLineType(Type),
        Coords(Coords),
        SourceID(SourceID),
        DestID(DestID) {}

  ClsMoEleType::e_MoEle get_MoEleType() const override = 0;

  e_FlowLineType get_FlowLineType() const { return FlowLineType; }
  void get_Coords_as_IntList(std::list<int>& Out) const { Out.assign(Coords.begin(), Coords.end()); }
  const CoordList& coords_ref() const { return Coords; }
  void modify_FlowLineCoords(const std::list<int>& NewCoords) { Coords.assign(NewCoords); }
  int get_SourceID_as_Int() const { return SourceID; }
  int get_DestID_as_Int() const { return DestID; }
  std::string get_SourceID_as_String() const;
  std::string get_DestID_as_String() const;

protected:
  ~ClsFlowLine() = default;

private:
  e_FlowLineType FlowLineType;
  CoordList Coords;  // x1 y1 x2 y2 ... from source to destination
  int SourceID;
  int DestID;
};

class ClsNormalFlowLine final : public ClsFlowLine {
public:
  ClsNormalFlowLine(int ModelID, int PageID, const std::list<int>& Coords, int SourceID, int DestID)
      : ClsFlowLine(ModelID, PageID, NORMAL, Coords, SourceID, DestID) {}
  ClsMoEleType::e_MoEle get_MoEleType() const override { return ClsMoEleType::NormalFlowLine; }
};

// A flow line leaving a decision, with the answer that selects it.
class ClsDecisionFlowLine final : public ClsFlowLine {
public:
  ClsDecisionFlowLine(int ModelID, int PageID, const std::list<int>& Coords, int SourceID, int DestID,
                      const std::string& Content, const ClsRecPaS& PaS)
      : ClsFlowLine(ModelID, PageID, DECISION_ANSWER, Coords, SourceID, DestID), Content(Content), PaS(PaS) {}
  ClsMoEleType::e_MoEle get_MoEleType() const override { return ClsMoEleType::DecisionFlowLine; }

  std::string get_Content() const { return Content; }
  const std::string& content_ref() const { return Content; }
  ClsRecPaS get_PaS() const { return PaS; }
  std::list<int> get_PaS_as_IntList() const { return PaS.get_PaS_as_IntList(); }
  void modify_DecisionFlowLinePaS(const ClsRecPaS& NewPaS) { PaS = NewPaS; }
  void modify_DecisionFlowLineContent(std::string NewContent) { Content = std::move(NewContent); }

private:
  std::string Content;
  ClsRecPaS PaS;
};

// Destroys a flow line through its concrete class; false for an unknown kind.
bool destroy_FlowLine(ClsFlowLine* line);

}  // namespace Vemra

#endif
