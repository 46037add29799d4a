#ifndef VEMRA_SDL_PR_WRITERHELPER_H
#define VEMRA_SDL_PR_WRITERHELPER_H

#include <string>
#include <unordered_map>

namespace Vemra {

// Which state-machine symbols a generation has written, and the join label
// each got when it was first written: "grst" and the value of a counter that
// runs through the whole generation.
class ClsSDL_PR_WriterHelper {
public:
  static const std::string LABEL_BASIC_NAME;

  ClsSDL_PR_WriterHelper() : LabelCounter(0) {}

  void reset_Helper();
  // False, changing nothing, when the ID is already written.
  bool set_StateMaSym_written(int SymbolID);
  bool StateMaSym_written(int SymbolID) const { return Labels.count(SymbolID) != 0; }
  // The label of a written symbol, "LabelError" for any other ID.
  std::string get_Label(int SymbolID) const;

private:
  int LabelCounter;
  // Symbol ID -> counter value of its label; the text is formed on demand.
  std::unordered_map<int, int> Labels;
};

}  // namespace Vemra

#endif
