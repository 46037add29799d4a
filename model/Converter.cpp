#include "model/Converter.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace Vemra {

std::string Converter::replace(const std::string& str, const std::string& what, const std::string& with) {
  if (what.empty() || str.empty()) return str;
  // Iterative form of "left + with + replace(right)": the left part never
  // holds an occurrence, so a single left-to-right scan gives the same text.
  std::string result;
  std::string::size_type start = 0;
  for (;;) {
    std::string::size_type p = str.find(what, start);
    if (p == std::string::npos) break;
    result.append(str, start, p - start);
    result += with;
    start = p + what.size();
  }
  result.append(str, start, std::string::npos);
  return result;
}

std::string Converter::StringToMAR_String(const std::string& str) {
  return replace(replace(str, "}", "a\\}"), "{", "a\\{");
}

bool Converter::String_To_Int(const std::string& str, int& value) {
  for (unsigned char c : str)
    if (!std::isdigit(c)) return false;
  if (str.empty()) {
    value = 0;
    return true;
  }
  errno = 0;
  long v = std::strtol(str.c_str(), nullptr, 10);
  if (v > INT_MAX) v = INT_MAX;
  value = static_cast<int>(v);
  return true;
}

std::string Converter::Int_to_String(int value) {
  char buffer[20];
  std::snprintf(buffer, sizeof buffer, "%d", value);
  return buffer;
}

std::string Converter::IntList_to_String(const std::list<int>& values) {
  std::string result;
  bool first = true;
  for (int v : values) {
    if (!first) result += ' ';
    result += Int_to_String(v);
    first = false;
  }
  return result;
}

std::string Converter::IntList_to_String(std::list<int>& values) {
  return IntList_to_String(static_cast<const std::list<int>&>(values));
}

bool Converter::IntListString_To_IntList(std::string str, std::list<int>& out) {
  out.clear();
  std::string::size_type start = 0;
  for (std::string::size_type i = 0; i < str.size(); ++i) {
    if (str[i] != ' ') continue;
    int value = 0;
    if (!String_To_Int(str.substr(start, i - start), value)) return false;
    out.push_back(value);
    start = i + 1;
  }
  int value = 0;
  if (!String_To_Int(str.substr(start), value)) return false;
  out.push_back(value);
  return true;
}

}  // namespace Vemra
