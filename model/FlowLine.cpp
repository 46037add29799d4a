#include "model/FlowLine.h"

#include "model/Converter.h"

namespace Vemra {

std::string ClsFlowLine::get_SourceID_as_String() const { return Converter::Int_to_String(SourceID); }
std::string ClsFlowLine::get_DestID_as_String() const { return Converter::Int_to_String(DestID); }

bool destroy_FlowLine(ClsFlowLine* line) {
  switch (line->get_FlowLineType()) {
    case ClsFlowLine::NORMAL: delete static_cast<ClsNormalFlowLine*>(line); return true;
    case ClsFlowLine::DECISION_ANSWER: delete static_cast<ClsDecisionFlowLine*>(line); return true;
    default: return false;
  }
}

}  // namespace Vemra
