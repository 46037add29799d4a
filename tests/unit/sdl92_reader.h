// A recursive-descent reader of the SDL-92 subset that the export writes:
// definitions and their nesting, declarations, channel and route paths,
// CONNECT, bodies with states, transitions, decisions and labels, and a CIF
// comment of the right kind before each statement that needs one. It also
// checks names, that ELSE is the last answer, and that every JOIN and
// NEXTSTATE has its label or state in the same body.
#ifndef SDL92_READER_H
#define SDL92_READER_H

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
      tokenize(Text);
      expect("SYSTEM"), name(), expect(";"), entities("ENDSYSTEM"), expect(";");
      if (I != Toks.size()) fail("text after ENDSYSTEM");
      return "";
    } catch (const std::runtime_error& e) {
      return e.what();
    }
  }

private:
  struct Tok {
    std::string Text;
    int Line;
  };
  std::vector<Tok> Toks;
  std::size_t I = 0;
  std::set<std::string> Labels, Joins, States, NextStates;

  [[noreturn]] void fail(const std::string& What) {
    throw std::runtime_error(What + " at line " + std::to_string(I < Toks.size() ? Toks[I].Line : -1));
  }
  void tokenize(const std::string& s) {
    static const std::regex Token(R"(\s+|/\*(?:[^*]|\*(?!/))*\*/|[A-Za-z0-9_]+|'[^']*'|:=|.)");
    int Line = 1;
    for (auto m = std::sregex_iterator(s.begin(), s.end(), Token); m != std::sregex_iterator(); ++m) {
      std::string t = m->str();
      if (t.compare(0, 2, "/*") == 0 && t.compare(0, 7, "/* CIF ") != 0) fail("plain comment");
      if (!std::isspace(static_cast<unsigned char>(t[0]))) Toks.push_back({t, Line});
      for (char c : t) Line += c == '\n';
    }
  }
  bool at(const std::string& t) const { return I < Toks.size() && Toks[I].Text == t; }
  bool at_Cif(const std::string& Kind) const { return I < Toks.size() && Toks[I].Text.rfind("/* CIF " + Kind + " ", 0) == 0; }
  bool accept(const std::string& t) { return at(t) ? (++I, true) : false; }
  void expect(const std::string& t) {
    if (!accept(t)) fail("expected " + t);
  }
  void cif(const std::string& Kind) {
    static const std::regex Box(R"(/\* CIF [A-Z]+ \(-?\d+, -?\d+\), \(-?\d+, -?\d+\) \*/)");
    if (!at_Cif(Kind) || !std::regex_match(Toks[I].Text, Box)) fail("expected CIF " + Kind);
    ++I;
  }
  std::string name() {
    static const std::set<std::string> Reserved = {"STATE", "ENDSTATE", "INPUT", "TASK", "JOIN", "ELSE", "ENV",
                                                   "RESET", "SIGNAL", "PROCESS", "START", "STOP", "RETURN"};
    static const std::regex Name("[A-Za-z][A-Za-z0-9_]*");
    if (I >= Toks.size() || !std::regex_match(Toks[I].Text, Name)) fail("bad name");
    std::string Upper = Toks[I].Text;
    for (char& c : Upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (Reserved.count(Upper)) fail("reserved word as name");
    return Toks[I++].Text;
  }
  // Tokens up to the ";" (or ":" after an answer) outside parentheses; at least one.
  void text(const std::string& End = ";") {
    int Depth = 0;
    std::size_t Begin = I;
    for (; I < Toks.size() && (Depth > 0 || !at(End)); ++I) Depth += at("(") - at(")");
    if (I == Begin || Depth != 0) fail("bad text");
  }
  // A statement's text and ";"; with Named, it starts with a name.
  void named_Text(bool Named) {
    if (Named) name();
    if (!Named || !at(";")) text();
    expect(";");
  }
  void entities(const std::string& End) {
    while (!accept(End)) {
      if (I >= Toks.size()) fail("missing " + End);
      if (at_Cif("PROCESS") || at_Cif("PROCEDURE")) definition();
      else if (accept("BLOCK")) name(), expect(";"), entities("ENDBLOCK"), expect(";");
      else if (accept("CHANNEL")) name(), paths(), expect("ENDCHANNEL"), expect(";");
      else if (accept("SIGNALROUTE")) name(), paths();
      else if (accept("CONNECT")) name(), expect("AND"), names();
      else if (accept("SIGNAL")) name(), at("(") ? text() : void(), expect(";");
      else text(), expect(";");
    }
  }
  void names() {
    do name(); while (accept(","));
    expect(";");
  }
  void paths() {
    for (int n = 0; n < 2 && accept("FROM"); ++n) {
      accept("ENV") || !name().empty(), expect("TO"), accept("ENV") || !name().empty();
      expect("WITH"), text(), expect(";");
    }
    if (Toks[I - 1].Text != ";") fail("no path");
  }
  void definition() {
    bool Process = at_Cif("PROCESS");
    cif(Process ? "PROCESS" : "PROCEDURE"), expect(Process ? "PROCESS" : "PROCEDURE"), name(), expect(";");
    if (accept("FPAR")) text(), expect(";");
    while (at_Cif("TEXT")) {
      ++I;
      while (!at_Cif("ENDTEXT")) text(), expect(";");
      ++I;
    }
    while (at_Cif("PROCEDURE")) definition();
    Labels.clear(), Joins.clear(), States.clear(), NextStates.clear();
    if (at_Cif("START")) cif("START"), expect("START"), expect(";"), transition();
    while (at_Cif("STATE")) {
      cif("STATE"), expect("STATE"), States.insert(name()), expect(";");
      while (at_Cif("INPUT")) cif("INPUT"), expect("INPUT"), named_Text(true), transition();
      expect("ENDSTATE"), expect(";");
    }
    for (const std::string& j : Joins) if (!Labels.count(j)) fail("JOIN without label " + j);
    for (const std::string& s : NextStates) if (!States.count(s)) fail("NEXTSTATE without STATE " + s);
    expect(Process ? "ENDPROCESS" : "ENDPROCEDURE"), expect(";");
  }
  // Actions up to a terminator, or up to a decision (whose answers end it).
  void transition() {
    for (;;) {
      if (at_Cif("LABEL")) cif("LABEL"), Labels.insert(name()), expect(":");
      if (at_Cif("NEXTSTATE")) return cif("NEXTSTATE"), expect("NEXTSTATE"), NextStates.insert(name()), expect(";");
      if (at_Cif("JOIN")) return cif("JOIN"), expect("JOIN"), Joins.insert(name()), expect(";");
      for (const char* End : {"STOP", "RETURN"})
        if (at_Cif(End)) return cif(End), expect(End), expect(";");
      if (at_Cif("DECISION")) return decision();
      static const char* const Actions[][2] = {
          {"TASK", "TASK"}, {"OUTPUT", "OUTPUT"}, {"PROCEDURECALL", "CALL"}, {"CREATE", "CREATE"}};
      bool Found = false;
      for (auto& a : Actions)
        if (!Found && at_Cif(a[0])) cif(a[0]), expect(a[1]), named_Text(a[1] != std::string("TASK")), Found = true;
      if (!Found) fail("expected a statement");
    }
  }
  void decision() {
    cif("DECISION"), expect("DECISION"), text(), expect(";");
    int Answers = 0;
    for (bool Else = false; at_Cif("ANSWER"); ++Answers) {
      if (Else) fail("answer after ELSE");
      cif("ANSWER");
      if (!(Else = accept("ELSE"))) expect("("), text(")"), expect(")");
      expect(":"), transition();
    }
    if (Answers < 2) fail("decision with less than two answers");
    expect("ENDDECISION"), expect(";");
  }
};

}  // namespace sdl92_reader

#endif
