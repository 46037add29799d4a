// Writing the export to a file so that the file is either replaced as a
// whole or left as it was.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "sdlpr/SDL92_Exporter.h"

namespace Vemra {

std::string write_FileReplacing(const std::string& Path, const std::string& Text) {
  std::vector<char> Temp(Path.begin(), Path.end());
  for (char c : std::string(".tmpXXXXXX")) Temp.push_back(c);
  Temp.push_back('\0');
  int fd = ::mkstemp(Temp.data());
  if (fd < 0) return std::strerror(errno);
  int Failure = 0;
  for (std::size_t Done = 0; Done < Text.size() && !Failure;) {
    ssize_t n = ::write(fd, Text.data() + Done, Text.size() - Done);
    if (n > 0) Done += static_cast<std::size_t>(n);
    else if (n == 0) Failure = EIO;
    else if (errno != EINTR) Failure = errno;
  }
  // mkstemp creates the file for the owner only: keep the mode of the file
  // replaced, or give a new one the usual mode.
  struct stat Old;
  mode_t Mode = ::stat(Path.c_str(), &Old) == 0 ? (Old.st_mode & 07777) : 0644;
  if (!Failure && ::fchmod(fd, Mode) != 0) Failure = errno;
  if (::close(fd) != 0 && !Failure) Failure = errno;
  if (!Failure && std::rename(Temp.data(), Path.c_str()) != 0) Failure = errno;
  if (!Failure) return {};
  ::unlink(Temp.data());
  return std::strerror(Failure);
}

bool export_SDL92_File(const SysSpec& Model, const std::string& Path, std::vector<std::string>& Warnings,
                       std::string& Error) {
  ClsSDL92_Exporter Exporter(Model);
  std::string Text;
  try {
    Text = Exporter.export_Text();
  } catch (const ClsSDL_PR_Writer_ErrorReporter& Failure) {
    Error = describe_SDL_PR_Error(Failure);
    return false;
  }
  std::string Failure = write_FileReplacing(Path, Text);
  if (!Failure.empty()) {
    Error = "cannot write \"" + Path + "\": " + Failure;
    return false;
  }
  Warnings.insert(Warnings.end(), Exporter.get_Warnings().begin(), Exporter.get_Warnings().end());
  return true;
}

}  // namespace Vemra
