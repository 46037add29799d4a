#include "tools/ToolSupport.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <new>

#include "xml/XML_ReaderError.h"

namespace SdlTool {

namespace {

// The reader's messages may end in a line break: one line, single blanks.
std::string one_Line(const std::string& Text) {
  std::string Line;
  for (char c : Text) {
    if (std::isspace(static_cast<unsigned char>(c))) {
      if (!Line.empty() && Line.back() != ' ') Line += ' ';
    } else {
      Line += c;
    }
  }
  if (!Line.empty() && Line.back() == ' ') Line.pop_back();
  return Line;
}

}  // namespace

bool LoadedModel::load(const std::string& Path) {
  if (!std::ifstream(Path)) {
    Error = "cannot open the file";
    return false;
  }
  try {
    Model.load(Path, &FileIDs);
    return true;
  } catch (const Vemra::ClsXML_Reader_ErrorReporter& e) {
    Error = one_Line(e.get_ErrorMessage());
  } catch (const Vemra::ClsRenumberingHelper_ErrorReporter&) {
    Error = "an ID of the file is given twice or names no element";
  } catch (const std::bad_alloc&) {
    Error = "out of memory";
  } catch (...) {
    Error = "unexpected error while reading";
  }
  return false;
}

int LoadedModel::file_ID(int ModelID) const {
  if (ModelID == 0) return 0;
  try {
    return FileIDs.get_Old_ID_from_New_ID(ModelID);
  } catch (const Vemra::ClsRenumberingHelper_ErrorReporter&) {
    return ModelID;  // not from the file (cannot happen after a load)
  }
}

std::string format_Finding(const std::string& File, const Vemra::ClsCheckFinding& F, const LoadedModel& M) {
  int ID = M.file_ID(F.ElementID ? F.ElementID : F.DiagramID);
  return File + ": " + F.Path + " page " + std::to_string(F.PageNumber) + ": " + F.get_SeverityText() + " " + F.Rule +
         ": " + F.Message + " [id " + std::to_string(ID) + "]";
}

std::string json_String(const std::string& Text) {
  std::string Out = "\"";
  for (unsigned char c : Text) {
    switch (c) {
      case '"': Out += "\\\""; break;
      case '\\': Out += "\\\\"; break;
      case '\n': Out += "\\n"; break;
      case '\t': Out += "\\t"; break;
      case '\r': Out += "\\r"; break;
      default:
        if (c < 0x20) {
          char Buf[8];
          std::snprintf(Buf, sizeof Buf, "\\u%04x", c);
          Out += Buf;
        } else {
          Out += static_cast<char>(c);
        }
    }
  }
  return Out + "\"";
}

bool FileAndOut::has(const std::string& Flag) const {
  for (const std::string& G : Given)
    if (G == Flag) return true;
  return false;
}

FileAndOut parse_FileAndOut(const std::vector<std::string>& Args, const std::string& Command,
                            const std::vector<std::string>& Flags) {
  FileAndOut R;
  for (std::size_t i = 0; i < Args.size(); ++i) {
    const std::string& A = Args[i];
    bool Flag = false;
    for (const std::string& F : Flags) Flag = Flag || A == F;
    if (Flag) {
      R.Given.push_back(A);
    } else if (A == "-o") {
      if (++i == Args.size() || Args[i].empty()) throw UsageError(Command + ": -o needs a file name");
      R.Out = Args[i];
    } else if (A.size() > 1 && A[0] == '-') {
      throw UsageError(Command + ": unknown option " + A);
    } else if (R.File.empty()) {
      R.File = A;
    } else {
      throw UsageError(Command + ": only one model file can be given");
    }
  }
  if (R.File.empty()) throw UsageError(Command + ": no model file given");
  return R;
}

}  // namespace SdlTool
