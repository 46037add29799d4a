#ifndef VEMRA_SDL92_EXPORTER_H
#define VEMRA_SDL92_EXPORTER_H

#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "model/SysSpec.h"
#include "sdlpr/SDL_PR_Errors.h"
#include "sdlpr/SDL_PR_WriterHelper.h"

namespace Vemra {

// Writes the whole system model as one SDL-92 text with CIF layout comments,
// the form that other SDL tools read: definitions nested in the order of the
// diagram tree, one declaration per signal, channels and signal routes with
// one path per direction that carries signals, CONNECT for the signal routes
// of blocks, one STATE ... ENDSTATE per state name, and the position and size
// of every state-machine symbol.
//
// The state-machine bodies are walked by the same walk as the SDL/PR text
// (labels, JOINs and errors are the same as in its nested layout). A graph
// that the walk rejects throws its error before anything is written.
// Anything written differently from the model (a name made valid, a channel
// or CONNECT left out) is reported as a warning that starts with the kind and
// model ID of the element, e.g. "channel 12: ...".
class ClsSDL92_Exporter : public ClsSDL_PR_WriterHelper {
public:
  explicit ClsSDL92_Exporter(const SysSpec& Model) : Model(Model) {}
  ClsSDL92_Exporter(const ClsSDL92_Exporter&) = delete;
  ClsSDL92_Exporter& operator=(const ClsSDL92_Exporter&) = delete;

  // The whole text; throws the errors of the SDL/PR generation.
  std::string export_Text();
  const std::vector<std::string>& get_Warnings() const { return Warnings; }

  // A valid SDL-92 name for a text of the element; a changed name is
  // reported (once per text).
  std::string make_Name(std::string_view Text, const char* Kind, int ID);
  // A list whose items start with names (signals, a procedure or process
  // with actual parameters, an output with TO or VIA), the names made valid.
  std::string make_Names(std::string_view List, int SymbolID);
  void warn(const char* Kind, int ID, const std::string& Message);

  // Spaces per level; deeper levels are not indented further, so that the
  // text of a deep nesting stays proportional to its length.
  static constexpr int INDENT = 4;
  static constexpr int MAX_LEVEL = 16;
  // "/* CIF KIND (x, y), (w, h) */" at the indentation level.
  static void write_Cif(std::string& Out, int Level, const char* Kind, const ClsRecPaS& Box);
  static void write_Line(std::string& Out, int Level, std::string_view Text);

private:
  struct DiaStep {
    const Diagram* Dia;
    bool Closing;
    int Level;
  };
  // A written channel or signal route: its signals, and its name for a
  // CONNECT (of the diagram that a symbol at its end references).
  struct OuterChannel {
    int ID;
    std::string Name;
    std::vector<std::string> Signals;
  };

  void write_Opening(const Diagram* Dia, int Level, std::vector<DiaStep>& Steps);
  void write_Closing(const Diagram* Dia, int Level);
  void write_Declarations(const Symbol* Text, int Level, bool TextArea);
  void write_Channel(const ClsChannel* Chan, EnumDia::Type Type, int Level,
                     std::vector<OuterChannel>& Routes);
  void write_Connections(const Diagram* Block, int Level, const std::vector<OuterChannel>& Routes);
  std::string get_ChannelEnd(bool IsEnv, int SymbolID);
  std::vector<std::string> get_Signals(const std::string& List, const char* Kind, int ID);

  const SysSpec& Model;
  std::string Text;
  std::vector<std::string> Warnings;
  std::unordered_set<std::string> ReportedNames;
  std::unordered_map<int, std::vector<OuterChannel>> ChannelsAtSymbol;
};

// The text of a generation error: "not_specified", or the graph error's kind
// with its symbol, page and diagram, e.g.
// "sms_transition_not_complete: symbol 12, page 5, diagram 4".
std::string describe_SDL_PR_Error(const ClsSDL_PR_Writer_ErrorReporter& Error);

// Exports the model to the stream. On an error (see describe_SDL_PR_Error)
// nothing is written and false is returned; warnings are appended.
bool export_SDL92(const SysSpec& Model, std::ostream& Out, std::vector<std::string>& Warnings, std::string& Error);

// Writes the text to a new file next to Path and renames it to Path, so that
// Path is replaced as a whole or not at all; "" on success, else the reason.
std::string write_FileReplacing(const std::string& Path, const std::string& Text);

// Exports the model to the file through write_FileReplacing. On an error
// (see describe_SDL_PR_Error, or "cannot write ...") the file is left as it
// was and false is returned; warnings are appended.
bool export_SDL92_File(const SysSpec& Model, const std::string& Path, std::vector<std::string>& Warnings,
                       std::string& Error);

}  // namespace Vemra

#endif
