#ifndef VEMRA_SDL_PR_WRITER_H
#define VEMRA_SDL_PR_WRITER_H

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "model/SysSpec.h"
#include "sdlpr/SDL_PR_Errors.h"
#include "sdlpr/SDL_PR_WriterHelper.h"

namespace Vemra {

// Writes a whole system model (SysSpec) as SDL/PR text: one definition per
// diagram, either with reference lines and the referenced definitions after
// the referring one (nested flag false) or with every definition written in
// full inside its parent (nested flag true). Only reads the model. One writer
// serves one generation; failures are thrown (see SDL_PR_Errors.h), and the
// stream's own failure exception for a failed write.
//
// Both the diagram tree and the state-machine graphs are walked with explicit
// stacks, so neither a deep diagram tree nor a long transition can exhaust
// the call stack.
class ClsSDL_PR_Writer : public ClsSDL_PR_WriterHelper {
public:
  static const std::string KW_SYSDIA;
  static const std::string KW_END_SYSDIA;
  static const std::string KW_BLKDIA;
  static const std::string KW_END_BLKDIA;
  static const std::string KW_PRODIA;
  static const std::string KW_END_PRODIA;
  static const std::string KW_PROCEDUREDIA;
  static const std::string KW_END_PROCEDUREDIA;
  static const std::string KW_CHANNEL;
  static const std::string KW_END_CHANNEL;
  static const std::string KW_CHANNEL_DELAY;
  static const std::string KW_CHANNEL_NODELAY;
  static const std::string KW_CHANNEL_FROM;
  static const std::string KW_CHANNEL_TO;
  static const std::string KW_CHANNEL_WITH;
  static const std::string KW_CHANNEL_ENVIROMENT;
  static const std::string KW_CHANNEL_CONNECT;
  static const std::string KW_CHANNEL_AND;
  static const std::string KW_BLOCK_REFERENCED;
  static const std::string KW_BLOCK_TYPE_REFERENCED;
  static const std::string KW_PROCESS_REFERENCED;
  static const std::string KW_PROCESS_TYPE_REFERENCED;
  static const std::string KW_PROCEDURE_REFERENCED;
  static const std::string KW_REFERENCED;
  static const std::string KW_STATE_MA_START_SYM;
  static const std::string KW_STATE_MA_STATE_SYM;
  static const std::string KW_STATE_MA_INPUT_SYM;
  static const std::string KW_STATE_MA_CONDITION_SYM;
  static const std::string KW_STATE_MA_OUTPUT_SYM;
  static const std::string KW_STATE_MA_TASK_SYM;
  static const std::string KW_STATE_MA_STOP_SYM;
  static const std::string KW_STATE_MA_DECISION_SYM;
  static const std::string KW_STATE_MA_CREATE_PROC_SYM;
  static const std::string KW_STATE_MA_CALL_PROCEDURE_SYM;
  static const std::string KW_STATE_MA_PROCEDURE_START_STATE_SYM;
  static const std::string KW_STATE_MA_PROCEDURE_RETURN_SYM;
  static const std::string KW_STATE_MA_ENDDECISION;
  static const std::string KW_NEXTSTATE;
  static const std::string KW_JOIN;

  ClsSDL_PR_Writer();
  ~ClsSDL_PR_Writer();
  ClsSDL_PR_Writer(const ClsSDL_PR_Writer&) = delete;
  ClsSDL_PR_Writer& operator=(const ClsSDL_PR_Writer&) = delete;

  // Generates the complete file. A file that cannot be opened or closed
  // throws ClsSDL_PR_Writer_UnspecifiedError; lines written before a failure
  // stay in the file.
  void write_SysSpec(const SysSpec* Model, const std::string& FileName, bool Nested);

  // One diagram's definition (with, in either layout, those it references).
  void write_Dia(const Diagram* Dia, bool Nested);
  void write_HL_InstDia(const Diagram* Dia, bool Nested);
  void write_ProDia(const ClsProcessDia* Dia, bool Nested);
  void write_ProcedureDia(const ClsProcedureDia* Dia, bool Nested);

  void write_RecSym(const Symbol* Sym, int DiagramID) const;
  void write_Channel(const ClsChannel* Chan, int DiagramID) const;
  void write_ChannelConnection(const ClsChannel* Chan, int DiagramID) const;

  // The state-machine walks (process and procedure) from one symbol, and the
  // STATE line of a state followed by its transitions.
  void write_StateMaSymAndSuccessors(bool Starting, const ClsStateMachineSymbol* Sym, int DiagramID);
  void write_ProcedureStateMaSymAndSuccessors(bool Starting, const ClsStateMachineSymbol* Sym, int DiagramID);
  void write_StateMaSymEnclosedState(const ClsStateMachineSymbol* Sym, int DiagramID);
  void write_ProcedureStateMaSymEnclosedState(const ClsStateMachineSymbol* Sym, int DiagramID);

  // The only output primitive: the text, then a line feed if asked for.
  void write_StringBlockToFile(std::string_view Text, bool NewLine) const;

private:
  friend class ClsSDL_PR_TextSink;

  // Pieces of one output line, written one after the other, then the line end.
  template <class... Pieces>
  void write_Line(const Pieces&... pieces) const {
    (write_StringBlockToFile(pieces, false), ...);
    write_StringBlockToFile({}, true);
  }
  // Keyword, blank, text and ";" on one line.
  void write_Statement(const std::string& Keyword, const std::string& Text) const;

  // A diagram on the explicit stack of the tree walk: its opening part
  // (header up to the reference lines) or its closing part (body, end line).
  struct DiaStep {
    const Diagram* Dia;
    bool Closing;
  };
  void write_DiaTree(const Diagram* Root, bool Nested);
  void write_DiaOpening(const Diagram* Dia, bool Nested, std::vector<DiaStep>& Steps);
  void write_DiaClosing(const Diagram* Dia);
  void write_References(const Diagram* Dia, EnumSym::Type Kind, bool Nested,
                        std::vector<const Diagram*>& Referenced) const;
  void write_ChannelPath(const ClsChannel* Chan, bool FromSource) const;
  const std::string& get_ChannelEndText(bool IsEnv, int SymbolID) const;
  void write_StateMaBody(const Diagram* Dia);
  void close_Stream();

  std::string FileName;
  std::ofstream* pStream;
  const SysSpec* pSysSpec;
};

}  // namespace Vemra

#endif
