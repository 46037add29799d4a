#ifndef VEMRA_CONVERTER_H
#define VEMRA_CONVERTER_H

#include <list>
#include <string>

namespace Vemra {

// String conversions shared by the model, the file reader and writer and the
// command layer. Stateless.
class Converter {
public:
  // Every occurrence of `what`, left to right and without overlap, becomes `with`.
  static std::string replace(const std::string& str, const std::string& what, const std::string& with);
  // Escapes braces for a value of the result array: "}" -> "a\}", then "{" -> "a\{".
  static std::string StringToMAR_String(const std::string& str);
  // Decimal digits only (no sign, no blank); saturates at INT_MAX. The empty
  // text gives 0. On failure `value` is left unchanged.
  static bool String_To_Int(const std::string& str, int& value);
  static std::string Int_to_String(int value);
  static std::string IntList_to_String(std::list<int>& values);
  static std::string IntList_to_String(const std::list<int>& values);
  // Single blanks separate; an empty token reads as 0.
  static bool IntListString_To_IntList(std::string str, std::list<int>& out);
};

}  // namespace Vemra

#endif
