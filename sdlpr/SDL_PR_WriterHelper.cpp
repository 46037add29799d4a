#include "sdlpr/SDL_PR_WriterHelper.h"

#include "model/Converter.h"

namespace Vemra {

const std::string ClsSDL_PR_WriterHelper::LABEL_BASIC_NAME = "grst";

void ClsSDL_PR_WriterHelper::reset_Helper() {
  Labels.clear();
  LabelCounter = 0;
}

bool ClsSDL_PR_WriterHelper::set_StateMaSym_written(int SymbolID) {
  if (!Labels.emplace(SymbolID, LabelCounter).second) return false;
  ++LabelCounter;
  return true;
}

std::string ClsSDL_PR_WriterHelper::get_Label(int SymbolID) const {
  auto it = Labels.find(SymbolID);
  if (it == Labels.end()) return "LabelError";
  return LABEL_BASIC_NAME + Converter::Int_to_String(it->second);
}

}  // namespace Vemra
