#include "model/Channel.h"

#include "model/Converter.h"
#include "model/DebugPrinter.h"

namespace Vemra {

ClsChannel::ClsChannel(int ModelID, int PageID, e_DelayType Delay, ClsChanName Name,
                       ClsChanSourceSigList SourceSigList, ClsChanSourceCon SourceCon, ClsChanDestSigList DestSigList,
                       ClsChanDestCon DestCon, const std::list<int>& Coords, bool SourceIsEnv, int SourceID,
                       bool DestIsEnv, int DestID)
    : ClsChannel(ModelID, PageID, Delay, BOTH, std::move(Name), std::move(SourceSigList), std::move(SourceCon),
                 std::move(DestSigList), std::move(DestCon), Coords, SourceIsEnv, SourceID, DestIsEnv, DestID) {}

ClsChannel::ClsChannel(int ModelID, int PageID, e_DelayType Delay, e_DirectionType Direction, ClsChanName Name,
                       ClsChanSourceSigList SourceSigList, ClsChanSourceCon SourceCon, ClsChanDestSigList DestSigList,
                       ClsChanDestCon DestCon, const std::list<int>& Coords, bool SourceIsEnv, int SourceID,
                       bool DestIsEnv, int DestID)
    : ClsPageObject(PageID),
      ClsObjectWithModel_ID(ModelID),
      DirectionType(Direction),
      DelayType(Delay),
      CompName(std::move(Name)),
      CompSourceSigList(std::move(SourceSigList)),
      CompSourceCon(std::move(SourceCon)),
      CompDestSigList(std::move(DestSigList)),
      CompDestCon(std::move(DestCon)),
      Coords(Coords),
      SourceIsEnv(SourceIsEnv),
      SourceID(SourceIsEnv ? ENV_ID : SourceID),
      DestIsEnv(DestIsEnv),
      DestID(DestIsEnv ? ENV_ID : DestID) {}

namespace {
void replace_comp(ClsChanComp& comp, std::string Content, const ClsRecPaS& PaS) {
  comp.set_content(std::move(Content));
  comp.get_RecPaS() = PaS;
}
}  // namespace

void ClsChannel::modify_Comp_Name(std::string Content, const ClsRecPaS& PaS) {
  replace_comp(CompName, std::move(Content), PaS);
}
void ClsChannel::modify_Comp_SourceSigList(std::string Content, const ClsRecPaS& PaS) {
  replace_comp(CompSourceSigList, std::move(Content), PaS);
}
void ClsChannel::modify_Comp_SourceCon(std::string Content, const ClsRecPaS& PaS) {
  replace_comp(CompSourceCon, std::move(Content), PaS);
}
void ClsChannel::modify_Comp_DestSigList(std::string Content, const ClsRecPaS& PaS) {
  replace_comp(CompDestSigList, std::move(Content), PaS);
}
void ClsChannel::modify_Comp_DestCon(std::string Content, const ClsRecPaS& PaS) {
  replace_comp(CompDestCon, std::move(Content), PaS);
}

std::string ClsChannel::get_DirectionType_as_String() const {
  switch (DirectionType) {
    case BOTH: return "both";
    case FROM_SOURCE: return "from_source";
    case FROM_DESTINATION: return "from_destination";
    default: return "none";
  }
}

std::string ClsChannel::get_DelayType_as_String() const {
  switch (DelayType) {
    case DELAY: return "delay";
    case NO_DELAY: return "no_delay";
    default: return "none";
  }
}

std::string ClsChannel::get_SourceID_as_String() const {
  return SourceIsEnv ? "ENV" : Converter::Int_to_String(SourceID);
}

std::string ClsChannel::get_DestID_as_String() const { return DestIsEnv ? "ENV" : Converter::Int_to_String(DestID); }

void ClsChannel::print() const {
  debug_line("PRINTING CHANNEL");
  DebugPrinter::print("Source: ", false);
  DebugPrinter::print_iNumber(SourceID, true);
  DebugPrinter::print("Dest: ", false);
  DebugPrinter::print_iNumber(DestID, true);
  DebugPrinter::print("Coords: ", false);
  DebugPrinter::print_iList(std::list<int>(Coords.begin(), Coords.end()));
  DebugPrinter::print("ChanNamePaS: ", false);
  debug_line(CompName.get_RecPaS().get_PaS_as_String());
  DebugPrinter::print("ChanSourceSigListPaS: ", false);
  debug_line(CompSourceSigList.get_RecPaS().get_PaS_as_String());
  DebugPrinter::print("ChanSourceConPaS: ", false);
  debug_line(CompSourceCon.get_RecPaS().get_PaS_as_String());
  DebugPrinter::print("ChanDestConPaS: ", false);
  debug_line(CompDestCon.get_RecPaS().get_PaS_as_String());
  DebugPrinter::print("ChanDestSigListPaS: ", false);
  debug_line(CompDestSigList.get_RecPaS().get_PaS_as_String());
  debug_line("END PRINTING CHANNEL");
}

}  // namespace Vemra
