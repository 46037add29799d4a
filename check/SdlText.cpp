// Just enough of the SDL/PR lexical rules to read names out of symbol texts:
// names, punctuation, comments (/* */) and character strings ('...').
#include <cctype>

#include "check/CheckSupport.h"

namespace Vemra {
namespace Check {

namespace {

bool is_NameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// One token: a name, or a single punctuation character (Name empty).
struct Token {
  std::string_view Name;
  char Punct = 0;
  bool is_Name() const { return !Name.empty(); }
};

class Lexer {
public:
  explicit Lexer(std::string_view Text) : Text(Text) {}

  // False at the end of the text.
  bool next(Token& T) {
    skip_Gaps();
    if (Pos >= Text.size()) return false;
    std::size_t Begin = Pos;
    if (is_NameChar(Text[Pos])) {
      while (Pos < Text.size() && is_NameChar(Text[Pos])) ++Pos;
      T = {Text.substr(Begin, Pos - Begin), 0};
    } else {
      T = {{}, Text[Pos++]};
    }
    return true;
  }

private:
  void skip_Gaps() {
    while (Pos < Text.size()) {
      char c = Text[Pos];
      if (std::isspace(static_cast<unsigned char>(c))) {
        ++Pos;
      } else if (Text.compare(Pos, 2, "/*") == 0) {
        std::size_t End = Text.find("*/", Pos + 2);
        Pos = End == std::string_view::npos ? Text.size() : End + 2;
      } else if (c == '\'') {
        std::size_t End = Text.find('\'', Pos + 1);
        Pos = End == std::string_view::npos ? Text.size() : End + 1;
      } else {
        return;
      }
    }
  }

  std::string_view Text;
  std::size_t Pos = 0;
};

bool is_SignalName(std::string_view Name) { return !std::isdigit(static_cast<unsigned char>(Name[0])); }

// Reads a comma-separated list up to ";" (or the end) and keeps the first
// name of each item; parameters in parentheses are skipped, and so are items
// that begin with a parenthesis (signal list names).
void read_NameList(Lexer& Lex, std::vector<std::string>& Names) {
  Token T;
  int Depth = 0;
  bool ItemStart = true;
  while (Lex.next(T)) {
    if (T.Punct == ';' && Depth == 0) return;
    if (T.Punct == '(') ++Depth;
    if (T.Punct == ')' && Depth > 0) --Depth;
    if (T.Punct == ',' && Depth == 0) {
      ItemStart = true;
      continue;
    }
    if (ItemStart && Depth == 0 && T.is_Name() && is_SignalName(T.Name)) Names.emplace_back(T.Name);
    ItemStart = false;
  }
}

}  // namespace

bool is_Blank(std::string_view Text) {
  for (char c : Text)
    if (!std::isspace(static_cast<unsigned char>(c))) return false;
  return true;
}

std::string fold_Name(std::string_view Name) {
  std::size_t Begin = 0, End = Name.size();
  while (Begin < End && std::isspace(static_cast<unsigned char>(Name[Begin]))) ++Begin;
  while (End > Begin && std::isspace(static_cast<unsigned char>(Name[End - 1]))) --End;
  std::string Folded(Name.substr(Begin, End - Begin));
  for (char& c : Folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return Folded;
}

std::string quote(std::string_view Text) {
  const std::size_t MAX = 40;
  std::string Line;
  bool Gap = false;
  for (char c : Text) {
    if (std::isspace(static_cast<unsigned char>(c))) {
      Gap = !Line.empty();
      continue;
    }
    if (Gap) Line += ' ';
    Gap = false;
    Line += c;
    if (Line.size() > MAX) {
      Line.resize(MAX);
      Line += "...";
      break;
    }
  }
  return "'" + Line + "'";
}

std::string first_Name(std::string_view Text) {
  Lexer Lex(Text);
  Token T;
  if (Lex.next(T) && T.is_Name() && is_SignalName(T.Name)) return std::string(T.Name);
  return {};
}

void collect_SignalDeclarations(std::string_view Text, std::vector<std::string>& Names) {
  Lexer Lex(Text);
  Token T;
  while (Lex.next(T))
    if (T.Name.size() == 6 && fold_Name(T.Name) == "signal") read_NameList(Lex, Names);
}

void collect_ListedSignals(std::string_view List, std::vector<std::string>& Names) {
  Lexer Lex(List);
  read_NameList(Lex, Names);
}

const char* describe_StateMaSym(ClsStateMachineSymbol::e_StateMachineSymbolType Type) {
  using S = ClsStateMachineSymbol;
  switch (Type) {
    case S::START: return "start symbol";
    case S::STATE: return "state";
    case S::OUTPUT: return "output";
    case S::INPUT: return "input";
    case S::STOP: return "stop symbol";
    case S::TASK: return "task";
    case S::CONDITION: return "condition";
    case S::DECISION: return "decision";
    case S::CREATE_PRO: return "create symbol";
    case S::CALL_PROCEDURE: return "procedure call";
    case S::PROCEDURE_START_STATE: return "procedure start symbol";
    case S::PROCEDURE_RETURN: return "return symbol";
    default: return "symbol";
  }
}

const char* describe_Symbol(EnumSym::Type Type) {
  switch (Type) {
    case EnumSym::TEXT_SYM: return "text symbol";
    case EnumSym::BLK_INST_REF_SYM: return "block reference";
    case EnumSym::BLK_TYPE_REF_SYM: return "block type reference";
    case EnumSym::PRO_INST_REF_SYM: return "process reference";
    case EnumSym::PRO_TYPE_REF_SYM: return "process type reference";
    case EnumSym::PROCEDURE_INST_REF_SYM: return "procedure reference";
    default: return "symbol";
  }
}

}  // namespace Check
}  // namespace Vemra
