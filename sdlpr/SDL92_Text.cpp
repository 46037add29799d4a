#include "sdlpr/SDL92_Text.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

namespace Vemra {
namespace SDL92_Text {

namespace {

bool is_Letter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool is_NameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

const std::unordered_set<std::string>& keywords() {
  static const std::unordered_set<std::string> Words = {
      "ACTIVE", "ADDING", "ALL", "ALTERNATIVE", "AND", "ANY", "AS", "ATLEAST", "AXIOMS", "BLOCK", "CALL",
      "CHANNEL", "COMMENT", "CONNECT", "CONNECTION", "CONSTANT", "CONSTANTS", "CREATE", "DCL", "DECISION",
      "DEFAULT", "ELSE", "ENDALTERNATIVE", "ENDBLOCK", "ENDCHANNEL", "ENDCONNECTION", "ENDDECISION",
      "ENDGENERATOR", "ENDMACRO", "ENDNEWTYPE", "ENDOPERATOR", "ENDPACKAGE", "ENDPROCEDURE", "ENDPROCESS",
      "ENDREFINEMENT", "ENDSELECT", "ENDSERVICE", "ENDSTATE", "ENDSUBSTRUCTURE", "ENDSYNTYPE", "ENDSYSTEM",
      "ENV", "ERROR", "EXPORT", "EXPORTED", "EXTERNAL", "FI", "FINALIZED", "FOR", "FPAR", "FROM", "GATE",
      "GENERATOR", "IF", "IMPORT", "IMPORTED", "IN", "INHERITS", "INPUT", "INTERFACE", "JOIN", "LITERAL",
      "LITERALS", "MACRO", "MACRODEFINITION", "MACROID", "MAP", "MOD", "NAMECLASS", "NEWTYPE", "NEXTSTATE",
      "NODELAY", "NOEQUALITY", "NONE", "NOT", "NOW", "OFFSPRING", "OPERATOR", "OPERATORS", "OR", "ORDERING",
      "OUT", "OUTPUT", "PACKAGE", "PARENT", "PRIORITY", "PROCEDURE", "PROCESS", "PROVIDED", "REDEFINED",
      "REFERENCED", "REFINEMENT", "REM", "RESET", "RETURN", "RETURNS", "REVEALED", "REVERSE", "SAVE", "SELECT",
      "SELF", "SENDER", "SERVICE", "SET", "SIGNAL", "SIGNALLIST", "SIGNALROUTE", "SIGNALSET", "SPELLING",
      "START", "STATE", "STOP", "STRUCT", "SUBSTRUCTURE", "SYNONYM", "SYNTYPE", "SYSTEM", "TASK", "THEN",
      "TIMER", "TO", "TYPE", "USE", "VIA", "VIEW", "VIEWED", "VIRTUAL", "WITH", "XOR"};
  return Words;
}

// Copies the text with every comment replaced by a blank. Every character
// outside character strings and comments is first offered to f(c, Depth,
// Out) with the parenthesis depth it stands at; f returns true when it took
// the character.
template <class F>
std::string scan(std::string_view Text, F f) {
  std::string Out;
  Out.reserve(Text.size());
  int Depth = 0;
  bool InString = false;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    char c = Text[i];
    if (InString) {
      if (c == '\'') InString = false;
      Out += c;
      continue;
    }
    if (c == '/' && i + 1 < Text.size() && Text[i + 1] == '*') {
      std::size_t End = Text.find("*/", i + 2);
      i = End == std::string_view::npos ? Text.size() : End + 1;
      Out += ' ';
      continue;
    }
    if (c == '\'') InString = true;
    if (c == ')' && Depth > 0) --Depth;
    if (f(c, Depth, Out)) continue;
    if (c == '(') ++Depth;
    Out += c;
  }
  return Out;
}

// Splits at the separator at depth 0 (comments dropped).
std::vector<std::string> split_At(std::string_view Text, char Separator) {
  std::vector<std::string> Items;
  std::string Rest = scan(Text, [&](char c, int Depth, std::string& Out) {
    if (c != Separator || Depth != 0) return false;
    std::string_view Item = trim(Out);
    if (!Item.empty()) Items.emplace_back(Item);
    Out.clear();
    return true;
  });
  std::string_view Item = trim(Rest);
  if (!Item.empty()) Items.emplace_back(Item);
  return Items;
}

}  // namespace

bool is_Keyword(std::string_view Word) { return keywords().count(upper(Word)) != 0; }

bool is_ValidName(std::string_view Name) {
  return !Name.empty() && is_Letter(Name[0]) && std::all_of(Name.begin(), Name.end(), is_NameChar) &&
         !is_Keyword(Name);
}

std::string make_ValidName(std::string_view Name) {
  Name = trim(Name);
  std::string Out(Name);
  for (char& c : Out)
    if (!is_NameChar(c)) c = '_';
  if (!Out.empty() && (!is_Letter(Out[0]) || is_Keyword(Out))) Out.insert(0, "x_");
  return Out;
}

std::string_view trim(std::string_view Text) {
  const char* Blanks = " \t\r\n";
  std::size_t Begin = Text.find_first_not_of(Blanks);
  if (Begin == std::string_view::npos) return {};
  return Text.substr(Begin, Text.find_last_not_of(Blanks) - Begin + 1);
}

std::vector<std::string> split_List(std::string_view Text) { return split_At(Text, ','); }

std::vector<std::string> split_Declarations(std::string_view Text) { return split_At(Text, ';'); }

std::string upper(std::string_view Text) {
  std::string Out(Text);
  for (char& c : Out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return Out;
}

std::string first_Word(std::string_view Statement) {
  std::size_t End = 0;
  while (End < Statement.size() && is_NameChar(Statement[End])) ++End;
  return upper(Statement.substr(0, End));
}

}  // namespace SDL92_Text
}  // namespace Vemra
