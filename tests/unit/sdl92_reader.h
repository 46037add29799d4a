// A recursive-descent reader of the SDL-92 subset that the export writes:
// definitions and their nesting, declarations, channel and route paths,
// CONNECT, bodies with states, transitions, decisions and labels, each
// statement after a CIF comment of its kind. It also checks names, that ELSE
// is the last answer, and that every JOIN and NEXTSTATE has its label or
// state in the same body.
#ifndef SDL92_READER_H
#define SDL92_READER_H

#include <algorithm>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace sdl92_reader {

class Reader {
public:
  // "" when the text is accepted, else the first fault and its line.
  std::string check(const std::string& Text) {
    try {
      static const std::regex Token(R"(\s+|/\*(?:[^*]|\*(?!/))*\*/|[A-Za-z0-9_]+|'[^']*'|:=|.)");
      for (std::sregex_iterator m(Text.begin(), Text.end(), Token), End; m != End; ++m) {
        if (m->str().rfind("/*", 0) == 0 && m->str().rfind("/* CIF ", 0) != 0) fail("plain comment");
        if (!std::isspace(static_cast<unsigned char>(m->str()[0]))) Toks.push_back(m->str()), Lines.push_back(Line);
        for (char c : m->str()) Line += c == '\n';
      }
      expect("SYSTEM"), name(), expect(";"), entities("ENDSYSTEM"), expect(";");
      if (I != Toks.size()) fail("text after ENDSYSTEM");
      return "";
    } catch (const std::runtime_error& e) {
      return e.what();
    }
  }

private:
  std::vector<std::string> Toks;
  std::vector<int> Lines;
  std::size_t I = 0;
  int Line = 1;
  std::set<std::string> Labels, Joins, States, NextStates;

  [[noreturn]] void fail(const std::string& What) {
    throw std::runtime_error(What + " at line " + std::to_string(I < Toks.size() ? Lines[I] : -1));
  }
  bool at(const std::string& t) const { return I < Toks.size() && Toks[I] == t; }
  bool at_Cif(const std::string& K) const { return I < Toks.size() && Toks[I].rfind("/* CIF " + K + " ", 0) == 0; }
  bool accept(const std::string& t) { return at(t) ? (++I, true) : false; }
  void expect(const std::string& t) {
    if (!accept(t)) fail("expected " + t);
  }
  // The CIF comment of the kind with its box, then the statement's word.
  void statement(const std::string& Kind, const std::string& Word) {
    static const std::regex Box(R"(/\* CIF [A-Z]+ \(-?\d+, -?\d+\), \(-?\d+, -?\d+\) \*/)");
    if (!at_Cif(Kind) || !std::regex_match(Toks[I], Box)) fail("expected CIF " + Kind);
    ++I;
    if (!Word.empty()) expect(Word);
  }
  std::string name() {
    static const std::set<std::string> Reserved = {"STATE", "ENDSTATE", "INPUT", "TASK", "JOIN", "ELSE", "ENV",
                                                   "RESET", "SIGNAL", "PROCESS", "START", "STOP", "RETURN"};
    if (I >= Toks.size() || !std::regex_match(Toks[I], std::regex("[A-Za-z][A-Za-z0-9_]*"))) fail("bad name");
    std::string Upper = Toks[I];
    for (char& c : Upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (Reserved.count(Upper)) fail("reserved word as name");
    return Toks[I++];
  }
  // Tokens up to End outside parentheses, at least one; with Named, a name first.
  void text(const std::string& End = ";", bool Named = false) {
    if (Named && (name(), at(End))) return;
    int Depth = 0;
    std::size_t Begin = I;
    for (; I < Toks.size() && (Depth > 0 || !at(End)); ++I) Depth += at("(") - at(")");
    if (I == Begin || Depth != 0) fail("bad text");
  }
  void entities(const std::string& End) {
    while (!accept(End)) {
      if (I >= Toks.size()) fail("missing " + End);
      if (at_Cif("PROCESS") || at_Cif("PROCEDURE")) definition();
      else if (accept("BLOCK")) name(), expect(";"), entities("ENDBLOCK"), expect(";");
      else if (accept("CHANNEL")) name(), paths(), expect("ENDCHANNEL"), expect(";");
      else if (accept("SIGNALROUTE")) name(), paths();
      else if (accept("CONNECT")) name(), expect("AND"), text(";", true), expect(";");
      else if (accept("SIGNAL")) name(), at("(") ? text() : void(), expect(";");
      else text(), expect(";");
    }
  }
  void paths() {
    for (int n = 0; n < 2 && accept("FROM"); ++n) {
      accept("ENV") || !name().empty(), expect("TO"), accept("ENV") || !name().empty();
      expect("WITH"), text(), expect(";");
    }
    if (Toks[I - 1] != ";") fail("no path");
  }
  void definition() {
    bool Process = at_Cif("PROCESS");
    statement(Process ? "PROCESS" : "PROCEDURE", Process ? "PROCESS" : "PROCEDURE"), name(), expect(";");
    if (accept("FPAR")) text(), expect(";");
    for (; at_Cif("TEXT"); ++I)
      for (++I; !at_Cif("ENDTEXT");) text(), expect(";");
    while (at_Cif("PROCEDURE")) definition();
    Labels.clear(), Joins.clear(), States.clear(), NextStates.clear();
    if (at_Cif("START")) statement("START", "START"), expect(";"), transition();
    while (at_Cif("STATE")) {
      statement("STATE", "STATE"), States.insert(name()), expect(";");
      while (at_Cif("INPUT")) statement("INPUT", "INPUT"), text(";", true), expect(";"), transition();
      expect("ENDSTATE"), expect(";");
    }
    for (const std::string& j : Joins)
      if (!Labels.count(j)) fail("JOIN without label " + j);
    for (const std::string& s : NextStates)
      if (!States.count(s)) fail("NEXTSTATE without STATE " + s);
    expect(Process ? "ENDPROCESS" : "ENDPROCEDURE"), expect(";");
  }
  // Actions up to a terminator, or up to a decision (whose answers end it).
  void transition() {
    static const char* const Actions[][2] = {
        {"TASK", "TASK"}, {"OUTPUT", "OUTPUT"}, {"PROCEDURECALL", "CALL"}, {"CREATE", "CREATE"}};
    for (;;) {
      if (at_Cif("LABEL")) statement("LABEL", ""), Labels.insert(name()), expect(":");
      if (at_Cif("NEXTSTATE")) return statement("NEXTSTATE", "NEXTSTATE"), NextStates.insert(name()), expect(";");
      if (at_Cif("JOIN")) return statement("JOIN", "JOIN"), Joins.insert(name()), expect(";");
      for (const char* End : {"STOP", "RETURN"})
        if (at_Cif(End)) return statement(End, End), expect(";");
      if (at_Cif("DECISION")) return decision();
      const auto* Action = std::find_if(std::begin(Actions), std::end(Actions), [&](auto& a) { return at_Cif(a[0]); });
      if (Action == std::end(Actions)) fail("expected a statement");
      statement((*Action)[0], (*Action)[1]), text(";", Action != Actions), expect(";");
    }
  }
  void decision() {
    statement("DECISION", "DECISION"), text(), expect(";");
    int Answers = 0;
    for (bool Else = false; at_Cif("ANSWER"); ++Answers) {
      if (Else) fail("answer after ELSE");
      statement("ANSWER", "");
      if (!(Else = accept("ELSE"))) expect("("), text(")"), expect(")");
      expect(":"), transition();
    }
    if (Answers < 2) fail("decision with less than two answers");
    expect("ENDDECISION"), expect(";");
  }
};

}  // namespace sdl92_reader

#endif
