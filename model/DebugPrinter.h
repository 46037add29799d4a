#ifndef VEMRA_DEBUGPRINTER_H
#define VEMRA_DEBUGPRINTER_H

#include <cstdio>
#include <list>
#include <string>

namespace Vemra {

// The one diagnostic channel of the library: a debug file when one was named
// at creation, else the standard error stream.
class DebugPrinter {
public:
  static void get_Instance(std::string name);
  static void free_Instance();
  static void print(std::string text, bool newline);
  static void print_iNumber(int n, bool newline);
  static void print_iList(const std::list<int>& l);

private:
  explicit DebugPrinter(std::string name);
  ~DebugPrinter();

  static std::string NameDebugFile;
  static FILE* pFile;
  static DebugPrinter* pDebugPrinter;
};

// Writes a whole line through the debug printer.
inline void debug_line(const std::string& text) { DebugPrinter::print(text, true); }
// Writes the two lines of an unexpected case: where, then why.
inline void debug_error(const std::string& where, const std::string& why) {
  DebugPrinter::print(where, true);
  DebugPrinter::print(why, true);
}

}  // namespace Vemra

#endif
