// Linux: terminals, standard streams and the atomic file write.
#include <fcntl.h>
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/cli/cli_platform.h"

namespace qinghe::cli {

namespace {

// Writes go out in pieces of this size so that progress can be shown on large reports.
constexpr std::size_t kWritePiece = std::size_t{16} << 20U;

std::string systemReason(int error) {
  return std::strerror(error);
}

// Writes every byte or gives the errno of the failure (0 on success).
int writeAll(int fd, std::string_view bytes, const ByteProgress& progress) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t piece = std::min(bytes.size() - done, kWritePiece);
    const ssize_t written = ::write(fd, bytes.data() + done, piece);
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return errno;
    }
    if (written == 0) {
      return EIO;
    }
    done += static_cast<std::size_t>(written);
    if (progress) {
      progress(done, bytes.size());
    }
  }
  return 0;
}

std::string parentFolder(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) {
    return ".";
  }
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

void prepareConsole() {
  std::setlocale(LC_CTYPE, "");
}

bool isStandardOutputTerminal() {
  return ::isatty(STDOUT_FILENO) == 1;
}

bool isStandardErrorTerminal() {
  return ::isatty(STDERR_FILENO) == 1;
}

TextEncoding terminalEncoding() {
  const std::string codeset = nl_langinfo(CODESET);
  const bool chinese = codeset == "GBK" || codeset == "GB2312" || codeset == "GB18030" ||
                       codeset == "CP936" || codeset == "EUC-CN";
  return chinese ? TextEncoding::gbk : TextEncoding::utf8;
}

void writeStandardError(std::string_view text) {
  (void)writeAll(STDERR_FILENO, text, {});
}

// A device or a pipe (/dev/null, /dev/stdout, a FIFO) is written as it is: renaming a file over
// it would replace the device itself.
std::optional<WriteFailure> writeInPlace(const std::string& path, std::string_view bytes,
                                         const ByteProgress& progress) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) {
    return WriteFailure{path, systemReason(errno)};
  }
  const int error = writeAll(fd, bytes, progress);
  ::close(fd);
  if (error != 0) {
    return WriteFailure{path, systemReason(error)};
  }
  return std::nullopt;
}

std::optional<WriteFailure> writeFileAtomically(const std::string& requestedPath,
                                                std::string_view bytes,
                                                const ByteProgress& progress) {
  std::string path = requestedPath;
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) {
    if (S_ISDIR(existing.st_mode)) {
      return WriteFailure{requestedPath, systemReason(EISDIR)};
    }
    if (!S_ISREG(existing.st_mode)) {
      return writeInPlace(path, bytes, progress);
    }
    // Through a symbolic link the file it points to is replaced; the link stays.
    if (char* resolved = ::realpath(path.c_str(), nullptr)) {
      path = resolved;
      std::free(resolved);
    }
  }
  const std::string folder = parentFolder(path);
  const std::string base = path.substr(path.find_last_of('/') + 1);
  std::string temporary = folder + "/." + base + ".XXXXXX";
  // mkstemp makes the file readable and writable by the owner only: it holds passwords.
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    return WriteFailure{requestedPath, systemReason(errno)};
  }
  auto fail = [&](int error) {
    ::close(fd);
    ::unlink(temporary.c_str());
    return WriteFailure{requestedPath, systemReason(error)};
  };
  if (const int error = writeAll(fd, bytes, progress); error != 0) {
    return fail(error);
  }
  if (::fsync(fd) != 0) {
    return fail(errno);
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return WriteFailure{requestedPath, systemReason(error)};
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return WriteFailure{requestedPath, systemReason(error)};
  }
  // The rename itself reaches the disk with the folder.
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    ::fsync(folderFd);
    ::close(folderFd);
  }
  return std::nullopt;
}

std::optional<std::string> writeStandardOutput(std::string_view bytes,
                                               const ByteProgress& progress) {
  if (const int error = writeAll(STDOUT_FILENO, bytes, progress); error != 0) {
    return systemReason(error);
  }
  return std::nullopt;
}

}  // namespace qinghe::cli
