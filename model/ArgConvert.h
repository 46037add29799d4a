#ifndef VEMRA_ARGCONVERT_H
#define VEMRA_ARGCONVERT_H

// Conversion of the string arguments of the editor's commands into model
// values.

#include <list>
#include <string>

#include "model/Channel.h"
#include "model/Diagram.h"
#include "model/Geometry.h"
#include "model/StateMachineSymbol.h"
#include "model/Symbol.h"

namespace Vemra {
namespace ArgConvert {

// The environment as a channel endpoint.
extern const char* const ENV_NAME;

// Reads like base-10 strtol (leading white space, sign, digits up to the first
// other character; no number gives 0), saturated to the int range.
int get_Int(const char* text);
int get_Int(const std::string& text);

// Every single blank separates two numbers; an empty piece reads as 0, so the
// empty text is the list {0}.
void get_IntList_from_space_separated_IntListString(const std::string& text, std::list<int>& out);
// Sets x, y, width and height from the first four numbers; a value the text
// does not give keeps what `pas` held before.
void get_PaS_from_space_separated_IntListString(const std::string& text, ClsRecPaS& pas);

// Unknown names give 0 and two debug lines.
void determine_SymbolType(const std::string& name, EnumSym::Type& type);
void determine_StateMachineSymbolType(const std::string& name,
                                      ClsStateMachineSymbol::e_StateMachineSymbolType& type);
// Unknown names give false and leave `type` unchanged.
bool determine_ChannelDirectionType(const std::string& name, ClsChannel::e_DirectionType& type);
bool determine_ChannelDelayType(const std::string& name, ClsChannel::e_DelayType& type);
bool determine_ChanCompType(const std::string& name, ClsChanComp::e_CompType& type);

std::string get_DiagramTypeAsString(EnumDia::Type type);
bool ChannelConPoint_is_Enviroment(const std::string& name);

}  // namespace ArgConvert
}  // namespace Vemra

#endif
