#ifndef VEMRA_SDL92_TEXT_H
#define VEMRA_SDL92_TEXT_H

#include <string>
#include <string_view>
#include <vector>

namespace Vemra {
namespace SDL92_Text {

// A reserved word of SDL-92, in any case.
bool is_Keyword(std::string_view Word);
// Letters, digits and "_", starting with a letter, and not a reserved word.
bool is_ValidName(std::string_view Name);
// The name as SDL-92 accepts it: every other character becomes "_", and a
// name that starts with a digit or "_" or is a reserved word gets "x_" in
// front. Blanks around the name are dropped first; an empty name stays empty.
std::string make_ValidName(std::string_view Name);

std::string_view trim(std::string_view Text);
// The items of a comma-separated list, split outside parentheses and
// character strings, trimmed; empty items are dropped.
std::vector<std::string> split_List(std::string_view Text);
// The statements of a text symbol without their ";": comments are dropped,
// the text is split at ";" outside parentheses and character strings, and
// every statement is trimmed; empty statements are dropped.
std::vector<std::string> split_Declarations(std::string_view Text);
std::string upper(std::string_view Text);
// The first word of a statement, in upper case.
std::string first_Word(std::string_view Statement);

}  // namespace SDL92_Text
}  // namespace Vemra

#endif
