/*
** The reader's own process. See ReaderProcess.h.
*/
#include "jetimport/ReaderProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "jetimport/ImportErrors.h"

namespace jetimport {

namespace {

constexpr int kSliceMs = 200;
constexpr uint64_t kBaseMemory = 256ull << 20;
#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer reserves terabytes of address space for its shadow
// memory: under a cap the reader could not start at all.
constexpr bool kCapAddressSpace = false;
#else
constexpr bool kCapAddressSpace = true;
#endif

// Writes all of `data`; false when the importer is gone.
bool WriteAll(int fd, const char* data, size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, data, n);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    data += w;
    n -= static_cast<size_t>(w);
  }
  return true;
}

[[noreturn]] void RunChild(int fd, uint64_t fileSize, const ReaderProcess::Body& body) {
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  for (int s : {SIGINT, SIGQUIT, SIGTERM, SIGHUP}) std::signal(s, SIG_IGN);
  std::signal(SIGPIPE, SIG_DFL);
  const int null = ::open("/dev/null", O_WRONLY);
  if (null >= 0) {
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
  }
  if (kCapAddressSpace) {
    const rlim_t cap = static_cast<rlim_t>(kBaseMemory + 4 * fileSize);
    const rlimit limit{cap, cap};
    ::setrlimit(RLIMIT_AS, &limit);
  }
  try {
    body([fd](const std::string& message) {
      const uint32_t length = static_cast<uint32_t>(message.size());
      if (!WriteAll(fd, reinterpret_cast<const char*>(&length), sizeof length) ||
          !WriteAll(fd, message.data(), message.size()))
        ::_exit(1);
    });
  } catch (...) {
    // The body sends its own failures; one that escapes it ends the child,
    // which the importer reports.
    ::_exit(2);
  }
  ::_exit(0);
}

// The signals a damaged file can bring about, named for the operator.
std::string SignalName(int s) {
  switch (s) {
    case SIGSEGV:
      return ", acceso a memoria no válido";
    case SIGBUS:
      return ", error de bus";
    case SIGABRT:
      return ", abortado";
    case SIGFPE:
      return ", error aritmético";
    case SIGILL:
      return ", instrucción no válida";
    case SIGKILL:
      return ", detenido por el sistema";
    default:
      return "";
  }
}

}  // namespace

ReaderProcess::ReaderProcess(const std::string& source, uint64_t fileSize, const Body& body,
                             const Options& options)
    : source_(source), options_(options) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) {
    Raise(msg::kReaderStopped, {source_, "antes de empezar", std::strerror(errno)});
  }
  child_ = ::fork();
  if (child_ < 0) {
    const int e = errno;
    ::close(fds[0]);
    ::close(fds[1]);
    Raise(msg::kReaderStopped, {source_, "antes de empezar", std::strerror(e)});
  }
  if (child_ == 0) {
    ::close(fds[0]);
    RunChild(fds[1], fileSize, body);
  }
  ::close(fds[1]);
  fd_ = fds[0];
}

ReaderProcess::~ReaderProcess() {
  Kill();
  if (fd_ >= 0) ::close(fd_);
}

void ReaderProcess::Kill() {
  if (child_ <= 0) return;
  ::kill(child_, SIGKILL);
  while (::waitpid(child_, nullptr, 0) < 0 && errno == EINTR) {
  }
  child_ = -1;
}

std::string ReaderProcess::Next(const std::string& during, const std::string& target) {
  uint32_t length = 0;
  ReadExactly(reinterpret_cast<char*>(&length), sizeof length, during, target);
  if (length == 0 || length > kMaxFrame) {
    Kill();
    Raise(msg::kReaderStopped, {source_, during, "mensaje del lector no válido"});
  }
  std::string message(length, '\0');
  ReadExactly(message.data(), length, during, target);
  return message;
}

void ReaderProcess::ReadExactly(char* into, size_t n, const std::string& during,
                                const std::string& target) {
  int waitedMs = 0;
  while (n > 0) {
    if (options_.stop && options_.stop()) {
      Kill();
      Raise(msg::kInterrupted, {target});
    }
    pollfd p{fd_, POLLIN, 0};
    const int ready = ::poll(&p, 1, kSliceMs);
    if (ready < 0 && errno == EINTR) continue;
    if (ready == 0) {
      waitedMs += kSliceMs;
      if (waitedMs >= options_.silenceSeconds * 1000) {
        Kill();
        Raise(msg::kReaderSilent, {source_, std::to_string(options_.silenceSeconds), during});
      }
      continue;
    }
    const ssize_t got = ::read(fd_, into, n);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) ReaderGone(during);
    into += got;
    n -= static_cast<size_t>(got);
    waitedMs = 0;
  }
}

void ReaderProcess::ReaderGone(const std::string& during) {
  int status = 0;
  pid_t done = -1;
  while ((done = ::waitpid(child_, &status, 0)) < 0 && errno == EINTR) {
  }
  child_ = -1;
  std::string why = "el lector terminó antes de tiempo";
  if (done > 0 && WIFSIGNALED(status)) {
    const int s = WTERMSIG(status);
    why = "el lector cayó con la señal " + std::to_string(s) + SignalName(s);
  } else if (done > 0 && WIFEXITED(status) && WEXITSTATUS(status) != 0) {
    why = "el lector terminó con el estado " + std::to_string(WEXITSTATUS(status));
  }
  Raise(msg::kReaderStopped, {source_, during, why});
}

}  // namespace jetimport
