#include "sdlpr/SDL92_Exporter.h"

#include <algorithm>
#include <charconv>

#include "sdlpr/SDL92_Body.h"
#include "sdlpr/SDL92_Text.h"
#include "sdlpr/SDL_PR_Elements.h"
#include "sdlpr/SDL_PR_StateMaWalk.h"

namespace Vemra {

using namespace SDL_PR_Elements;

namespace {

[[noreturn]] void throw_Unspecified() { throw ClsSDL_PR_Writer_UnspecifiedError(); }

std::string join(const std::vector<std::string>& Items) {
  std::string Out;
  for (const std::string& Item : Items) Out += (Out.empty() ? "" : ", ") + Item;
  return Out;
}

// The signal name of a list item "name" or "name(sorts)".
std::string_view get_SignalName(std::string_view Item) { return SDL92_Text::trim(Item.substr(0, Item.find('('))); }

bool share_Signal(const std::vector<std::string>& A, const std::vector<std::string>& B) {
  for (const std::string& a : A)
    for (const std::string& b : B)
      if (get_SignalName(a) == get_SignalName(b)) return true;
  return false;
}

}  // namespace

void ClsSDL92_Exporter::write_Line(std::string& Out, int Level, std::string_view Line) {
  Out.append(static_cast<std::size_t>(std::min(Level, MAX_LEVEL) * INDENT), ' ');
  Out += Line;
  Out += '\n';
}

// Appended piece by piece: one such line stands before most statements.
void ClsSDL92_Exporter::write_Cif(std::string& Out, int Level, const char* Kind, const ClsRecPaS& Box) {
  auto number = [&Out](int Value) {
    char Digits[16];
    Out.append(Digits, std::to_chars(Digits, Digits + sizeof Digits, Value).ptr);
  };
  Out.append(static_cast<std::size_t>(std::min(Level, MAX_LEVEL) * INDENT), ' ');
  Out += "/* CIF ";
  Out += Kind;
  Out += " (";
  number(Box.get_x_left_up());
  Out += ", ";
  number(Box.get_y_left_up());
  Out += "), (";
  number(Box.get_width());
  Out += ", ";
  number(Box.get_height());
  Out += ") */\n";
}

void ClsSDL92_Exporter::warn(const char* Kind, int ID, const std::string& Message) {
  Warnings.push_back(std::string(Kind) + " " + std::to_string(ID) + ": " + Message);
}

std::string ClsSDL92_Exporter::make_Name(std::string_view Text, const char* Kind, int ID) {
  std::string Original(SDL92_Text::trim(Text));
  if (SDL92_Text::is_ValidName(Original)) return Original;
  std::string Name = SDL92_Text::make_ValidName(Original);
  if (Name.empty()) Name = "x_" + std::to_string(ID);
  std::string Key = Original.empty() ? Name : Original;
  if (ReportedNames.insert(Key).second) warn(Kind, ID, "name \"" + Original + "\" written as " + Name);
  return Name;
}

std::string ClsSDL92_Exporter::export_Text() {
  reset_Helper();
  Text.clear();
  Warnings.clear();
  ReportedNames.clear();
  ChannelsAtSymbol.clear();
  std::vector<DiaStep> Steps{{Model.get_SysDia(), false, 0}};
  if (!Steps.back().Dia) throw_Unspecified();
  while (!Steps.empty()) {
    DiaStep Step = Steps.back();
    Steps.pop_back();
    if (Step.Closing) write_Closing(Step.Dia, Step.Level);
    else write_Opening(Step.Dia, Step.Level, Steps);
  }
  return std::move(Text);
}

// Header, declarations, channels or signal routes with their CONNECTs; the
// referenced definitions follow, then the closing part.
void ClsSDL92_Exporter::write_Opening(const Diagram* Dia, int Level, std::vector<DiaStep>& Steps) {
  EnumDia::Type Type = Dia->get_DiagramType();
  const char* Header = nullptr;
  switch (Type) {
    case EnumDia::SYS_DIA: Header = "SYSTEM"; break;
    case EnumDia::BLK_DIA: Header = "BLOCK"; break;
    case EnumDia::PRO_DIA: Header = "PROCESS"; break;
    case EnumDia::PROCEDURE_DIA: Header = "PROCEDURE"; break;
    default: throw_Unspecified();
  }
  int DiaID = Dia->get_Model_ID();
  bool StateMa = is_StateMaDiagram(Type);
  if (StateMa && Dia->is_referenced_Diagram() && Dia->get_referencing_Symbol())
    write_Cif(Text, Level, Header, *Dia->get_referencing_Symbol());
  write_Line(Text, Level, std::string(Header) + " " + make_Name(Dia->name_ref(), "diagram", DiaID) + ";");
  if (Type == EnumDia::PROCEDURE_DIA) {
    std::string Parameters(SDL92_Text::trim(static_cast<const ClsProcedureDia*>(Dia)->get_FormalParameters()));
    while (!Parameters.empty() && Parameters.back() == ';') Parameters.pop_back();
    if (!Parameters.empty()) {
      if (SDL92_Text::first_Word(Parameters) != "FPAR") Parameters.insert(0, "FPAR ");
      write_Line(Text, Level + 1, Parameters + ";");
    }
  }
  for_each_Sym(Dia, EnumSym::TEXT_SYM, [&](const Symbol* Sym) { write_Declarations(Sym, Level + 1, StateMa); });

  std::vector<const Diagram*> Referenced;
  if (Type != EnumDia::PROCEDURE_DIA) {
    std::vector<OuterChannel> Routes;
    for_each_Channel(Dia, [&](const ClsChannel* Chan) { write_Channel(Chan, Type, Level + 1, Routes); });
    if (Type == EnumDia::BLK_DIA) write_Connections(Dia, Level + 1, Routes);
    for (EnumSym::Type Kind : {StateMa ? EnumSym::PRO_INST_REF_SYM : EnumSym::BLK_INST_REF_SYM,
                               StateMa ? EnumSym::PROCEDURE_INST_REF_SYM : EnumSym::PRO_INST_REF_SYM})
      for_each_Sym(Dia, Kind, [&](const Symbol* Sym) {
        if (Sym->is_referencing_Symbol() && Sym->get_referenced_Diagram())
          Referenced.push_back(Sym->get_referenced_Diagram());
      });
  }
  Steps.push_back({Dia, true, Level});
  for (auto it = Referenced.rbegin(); it != Referenced.rend(); ++it) Steps.push_back({*it, false, Level + 1});
}

void ClsSDL92_Exporter::write_Closing(const Diagram* Dia, int Level) {
  const char* End = nullptr;
  switch (Dia->get_DiagramType()) {
    case EnumDia::SYS_DIA: End = "ENDSYSTEM;"; break;
    case EnumDia::BLK_DIA: End = "ENDBLOCK;"; break;
    case EnumDia::PRO_DIA: End = "ENDPROCESS;"; break;
    case EnumDia::PROCEDURE_DIA: End = "ENDPROCEDURE;"; break;
    default: throw_Unspecified();
  }
  if (is_StateMaDiagram(Dia->get_DiagramType())) {
    ClsSDL92_BodyWriter Body(*this, Level + 1);
    ClsSDL_PR_StateMaWalk::walk_Body(&Model, *this, Body, Dia);
    Body.finish(Text);
  }
  write_Line(Text, Level, End);
}

// The declarations of a text symbol, each signal of a SIGNAL list in a
// declaration of its own; in process and procedure diagrams as a text area.
void ClsSDL92_Exporter::write_Declarations(const Symbol* Sym, int Level, bool TextArea) {
  std::vector<std::string> Lines;
  for (const std::string& Statement : SDL92_Text::split_Declarations(Sym->content_ref())) {
    if (SDL92_Text::first_Word(Statement) != "SIGNAL") {
      Lines.push_back(Statement + ";");
      continue;
    }
    for (const std::string& Signal : get_Signals(Statement.substr(6), "symbol", Sym->get_Model_ID()))
      Lines.push_back("SIGNAL " + Signal + ";");
  }
  if (Lines.empty()) return;
  if (TextArea) write_Cif(Text, Level, "TEXT", *Sym);
  for (const std::string& Line : Lines) write_Line(Text, Level, Line);
  if (TextArea) write_Line(Text, Level, "/* CIF ENDTEXT */");
}

// CHANNEL (system) or SIGNALROUTE (block) with one path per direction that
// carries signals. The ends are looked up as in the SDL/PR text, so a lost
// end fails the same way there and here.
void ClsSDL92_Exporter::write_Channel(const ClsChannel* Chan, EnumDia::Type Type, int Level,
                                      std::vector<OuterChannel>& Routes) {
  int ID = Chan->get_Model_ID();
  if (Chan->get_DelayType() != ClsChannel::DELAY && Chan->get_DelayType() != ClsChannel::NO_DELAY)
    throw_Unspecified();
  ClsChannel::e_DirectionType Direction = Chan->get_DirectionType();
  if (Direction != ClsChannel::BOTH && Direction != ClsChannel::FROM_SOURCE &&
      Direction != ClsChannel::FROM_DESTINATION)
    throw_Unspecified();
  std::string Source = get_ChannelEnd(Chan->Source_is_Env(), Chan->get_SourceID_as_Int());
  std::string Dest = get_ChannelEnd(Chan->Destination_is_Env(), Chan->get_DestID_as_Int());
  if (Type == EnumDia::PRO_DIA) {
    warn("channel", ID, "a channel in a process diagram is left out");
    return;
  }
  std::vector<std::string> Forward, Backward;
  if (Direction != ClsChannel::FROM_DESTINATION)
    Forward = get_Signals(Chan->get_ChanSourceSigList()->content_ref(), "channel", ID);
  if (Direction != ClsChannel::FROM_SOURCE)
    Backward = get_Signals(Chan->get_ChanDestSigList()->content_ref(), "channel", ID);
  if (Forward.empty() && Backward.empty()) {
    warn("channel", ID, "no signals, left out");
    return;
  }
  std::string Name = make_Name(Chan->get_ChanName()->content_ref(), "channel", ID);
  bool Route = Type == EnumDia::BLK_DIA;
  write_Line(Text, Level, (Route ? "SIGNALROUTE " : "CHANNEL ") + Name);
  if (!Forward.empty()) write_Line(Text, Level + 1, "FROM " + Source + " TO " + Dest + " WITH " + join(Forward) + ";");
  if (!Backward.empty())
    write_Line(Text, Level + 1, "FROM " + Dest + " TO " + Source + " WITH " + join(Backward) + ";");
  if (!Route) write_Line(Text, Level, "ENDCHANNEL;");

  OuterChannel Written{ID, Name, Forward};
  Written.Signals.insert(Written.Signals.end(), Backward.begin(), Backward.end());
  if (!Chan->Source_is_Env()) ChannelsAtSymbol[Chan->get_SourceID_as_Int()].push_back(Written);
  if (!Chan->Destination_is_Env()) ChannelsAtSymbol[Chan->get_DestID_as_Int()].push_back(Written);
  if (Route && (Chan->Source_is_Env() || Chan->Destination_is_Env())) Routes.push_back(std::move(Written));
}

// One CONNECT per channel of the enclosing diagram: the channel at the
// block's reference symbol that carries a signal of the route.
void ClsSDL92_Exporter::write_Connections(const Diagram* Block, int Level, const std::vector<OuterChannel>& Routes) {
  const std::vector<OuterChannel>* Outer = nullptr;
  if (Block->is_referenced_Diagram() && Block->get_referencing_Symbol()) {
    auto Found = ChannelsAtSymbol.find(Block->get_referencing_Symbol()->get_Model_ID());
    if (Found != ChannelsAtSymbol.end()) Outer = &Found->second;
  }
  std::vector<std::pair<std::string, std::vector<std::string>>> Connects;
  std::unordered_map<std::string, std::size_t> ConnectOf;
  for (const OuterChannel& Route : Routes) {
    const OuterChannel* Channel = nullptr;
    if (Outer)
      for (const OuterChannel& Candidate : *Outer)
        if (share_Signal(Candidate.Signals, Route.Signals)) {
          Channel = &Candidate;
          break;
        }
    if (!Channel) {
      warn("channel", Route.ID, "no channel at the block carries its signals, CONNECT left out");
      continue;
    }
    auto Entry = ConnectOf.emplace(Channel->Name, Connects.size());
    if (Entry.second) Connects.push_back({Channel->Name, {}});
    Connects[Entry.first->second].second.push_back(Route.Name);
  }
  for (const auto& Connect : Connects)
    write_Line(Text, Level, "CONNECT " + Connect.first + " AND " + join(Connect.second) + ";");
}

std::string ClsSDL92_Exporter::get_ChannelEnd(bool IsEnv, int SymbolID) {
  if (IsEnv) return "ENV";
  ClsMoAccessInfo Info;
  const Symbol* Sym = Model.get_RecSymbol(SymbolID, Info);
  if (!Sym || Info.get_Info() != ClsMoAccessInfo::GET_OK) throw_Unspecified();
  return make_Name(Sym->content_ref(), "symbol", SymbolID);
}

// The items of a list with valid names in front: "name", "name(...)" or
// "name TO|VIA ..." (an item in parentheses is kept as it is).
std::vector<std::string> ClsSDL92_Exporter::get_Signals(const std::string& List, const char* Kind, int ID) {
  std::vector<std::string> Items = SDL92_Text::split_List(List);
  for (std::string& Item : Items) {
    std::size_t End = Item.find('(');
    if (End == 0) continue;
    std::string Words = " " + SDL92_Text::upper(std::string_view(Item).substr(0, End)) + " ";
    for (const char* Word : {" TO ", " VIA "}) End = std::min(End, Words.find(Word));
    Item = make_Name(std::string_view(Item).substr(0, End), Kind, ID) + (End < Item.size() ? Item.substr(End) : "");
  }
  return Items;
}

std::string ClsSDL92_Exporter::make_Names(std::string_view List, int SymbolID) {
  return join(get_Signals(std::string(List), "symbol", SymbolID));
}

std::string describe_SDL_PR_Error(const ClsSDL_PR_Writer_ErrorReporter& Error) {
  if (Error.get_ErrorType() != ClsSDL_PR_Writer_ErrorReporter::STATEMA_SYM_ERROR) return "not_specified";
  const auto& Graph = static_cast<const ClsSDL_PR_Writer_StateMaSymError&>(Error);
  return ClsSDL_PR_Writer_StateMaSymError::get_StateMaErrorText(Graph.get_StateMaErrorType()) + ": symbol " +
         std::to_string(Graph.get_Symbol_ID()) + ", page " + std::to_string(Graph.get_PageID()) + ", diagram " +
         std::to_string(Graph.get_DiagramID());
}

bool export_SDL92(const SysSpec& Model, std::ostream& Out, std::vector<std::string>& Warnings, std::string& Error) {
  std::string Text;
  ClsSDL92_Exporter Exporter(Model);
  try {
    Text = Exporter.export_Text();
  } catch (const ClsSDL_PR_Writer_ErrorReporter& Failure) {
    Error = describe_SDL_PR_Error(Failure);
    return false;
  }
  Warnings.insert(Warnings.end(), Exporter.get_Warnings().begin(), Exporter.get_Warnings().end());
  Out.write(Text.data(), static_cast<std::streamsize>(Text.size()));
  if (!Out) Error = "write_failed";
  return static_cast<bool>(Out);
}

}  // namespace Vemra
