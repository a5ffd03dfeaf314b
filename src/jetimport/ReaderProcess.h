/*
** ReaderProcess: runs the reading of a Jet file in a child process and
** hands its messages (ReaderProtocol.h) to the importer, so that nothing
** the reader meets in a damaged file can harm the importer.
**
** libmdb trusts the file: on a damaged one it may read out of bounds and
** crash, loop, or ask for all the memory there is. In the child, that
** ends the child alone: the importer hears of it as AppError 3343 naming
** the file, what was being read and why the reading stopped (the signal
** that ended it, its exit status). The child:
**   - runs the body given (JetFileReader's work, or a test's stand-in)
**     and sends each message through a pipe, framed by its length;
**   - has its address space capped (256 MiB and four times the file), so a
**     runaway allocation fails there;
**   - ignores the operator's interrupt, which the importer handles, and is
**     killed when the importer dies;
**   - writes nothing to the terminal: libmdb's own warnings are dropped.
** The importer waits for each message at most `silenceSeconds`; a reader
** silent for longer is taken to be looping, killed, and reported. A frame
** longer than kMaxFrame, or malformed, is reported the same way as damage.
** `stop` is asked between waits of a fifth of a second; when it says yes
** the child is killed and Next() raises the interruption.
*/
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>

namespace jetimport {

class ReaderProcess {
 public:
  using Send = std::function<void(const std::string& message)>;
  using Body = std::function<void(const Send& send)>;

  static constexpr uint32_t kMaxFrame = 1u << 30;

  struct Options {
    int silenceSeconds = 60;
    std::function<bool()> stop;  // may be empty
  };

  // Starts the child; `source` and `fileSize` name the file for messages
  // and for the child's memory cap.
  ReaderProcess(const std::string& source, uint64_t fileSize, const Body& body,
                const Options& options);
  // Kills the child if it still runs, and reaps it.
  ~ReaderProcess();
  ReaderProcess(const ReaderProcess&) = delete;
  ReaderProcess& operator=(const ReaderProcess&) = delete;

  // The next message. `during` says what is being read ("al leer la tabla
  // 'X'") for the error that a dead or silent reader gives. Raises the
  // interruption (ImportErrors.h) when `stop` says so, with `target`.
  std::string Next(const std::string& during, const std::string& target);

 private:
  void ReadExactly(char* into, size_t n, const std::string& during, const std::string& target);
  [[noreturn]] void ReaderGone(const std::string& during);
  void Kill();

  std::string source_;
  Options options_;
  pid_t child_ = -1;
  int fd_ = -1;
};

}  // namespace jetimport
