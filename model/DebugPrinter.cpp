#include "model/DebugPrinter.h"

#include "model/Converter.h"

namespace Vemra {

std::string DebugPrinter::NameDebugFile = "";
FILE* DebugPrinter::pFile = nullptr;
DebugPrinter* DebugPrinter::pDebugPrinter = nullptr;

DebugPrinter::DebugPrinter(std::string name) {
  NameDebugFile = name;
  pFile = NameDebugFile.empty() ? nullptr : std::fopen(NameDebugFile.c_str(), "w");
}

DebugPrinter::~DebugPrinter() {
  if (pFile) std::fclose(pFile);
  pFile = nullptr;
}

void DebugPrinter::get_Instance(std::string name) {
  if (!pDebugPrinter) pDebugPrinter = new DebugPrinter(name);
}

void DebugPrinter::free_Instance() {
  delete pDebugPrinter;
  pDebugPrinter = nullptr;
}

void DebugPrinter::print(std::string text, bool newline) {
  FILE* out = pFile ? pFile : stderr;
  std::fprintf(out, newline ? "%s\n" : "%s", text.c_str());
}

void DebugPrinter::print_iNumber(int n, bool newline) { print(Converter::Int_to_String(n), newline); }

void DebugPrinter::print_iList(const std::list<int>& l) {
  std::string text;
  for (int v : l) {
    text += Converter::Int_to_String(v);
    text += ' ';
  }
  print(text, true);
}

}  // namespace Vemra
