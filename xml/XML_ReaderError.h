#ifndef VEMRA_XML_READERERROR_H
#define VEMRA_XML_READERERROR_H

#include <string>

namespace Vemra {

// The exception of the model file reader. Only errors of the type
// XML_ERROR_WITH_MESSAGE carry a message.
class ClsXML_Reader_ErrorReporter {
public:
  enum e_ErrorType {
    XML_ERROR_UNSPECIFIED = 0,
    XML_ERROR_CHANNEL_END_ID = 1,
    XML_ERROR_COORDINATES = 2,
    XML_ERROR_WITH_MESSAGE = 3
  };
  static const std::string NOT_SPECIFIED;

  ClsXML_Reader_ErrorReporter() : ErrorType(XML_ERROR_UNSPECIFIED) {}
  explicit ClsXML_Reader_ErrorReporter(e_ErrorType Type) : ErrorType(Type) {}
  explicit ClsXML_Reader_ErrorReporter(const std::string& Message)
      : ErrorType(XML_ERROR_WITH_MESSAGE), ErrorMessage(Message) {}
  ClsXML_Reader_ErrorReporter(e_ErrorType Type, const std::string& Message) : ErrorType(Type), ErrorMessage(Message) {}

  e_ErrorType get_ErrorType() const { return ErrorType; }
  std::string get_ErrorMessage() const {
    return ErrorType == XML_ERROR_WITH_MESSAGE && !ErrorMessage.empty() ? ErrorMessage : NOT_SPECIFIED;
  }

private:
  e_ErrorType ErrorType;
  std::string ErrorMessage;
};

}  // namespace Vemra

#endif
