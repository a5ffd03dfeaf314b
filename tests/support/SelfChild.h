// Windows' stand-in for fork() in the tests: runs this test binary again
// with one test selected (usually a DISABLED_ one that the normal run
// skips), in the same environment, so that a test can kill it half way
// or see how it ends.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <string>

#include "common/WideText.h"

class SelfChild {
 public:
  explicit SelfChild(const std::string& test) {
    wchar_t self[MAX_PATH * 4];
    GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_also_run_disabled_tests " +
                           L"--gtest_filter=" + WideText::Wide(test);
    STARTUPINFOW start{};
    start.cb = sizeof start;
    started_ = CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &start, &process_);
  }
  ~SelfChild() {
    if (!started_) return;
    Kill();
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  SelfChild(const SelfChild&) = delete;
  SelfChild& operator=(const SelfChild&) = delete;

  bool Started() const { return started_; }
  unsigned long Id() const { return process_.dwProcessId; }
  // Ends the child at once, as a crash or the task manager would; true
  // when it was still running.
  bool Kill() {
    const bool running = WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
    if (running) TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, INFINITE);
    return running;
  }
  // Waits for the child to end by itself; its exit status.
  int Wait() {
    WaitForSingleObject(process_.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
  }

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

#endif
