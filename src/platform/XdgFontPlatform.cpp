/*
** A user's fonts on a fontconfig desktop. See XdgFontPlatform.h.
*/
#ifndef _WIN32

#include "platform/XdgFontPlatform.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

extern char** environ;

std::string XdgFontPlatform::FontsFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && data[0] == '/') return std::string(data) + "/fonts/";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.local/share/fonts/";
}

void XdgFontPlatform::CreateScalableResource(const fontcalls::ScalableResource&) {}

void XdgFontPlatform::RegisterFont(const std::string&) {
  std::string folder = FontsFolder();
  folder.pop_back();
  std::string program = "fc-cache";
  std::vector<char*> argv{program.data(), folder.data(), nullptr};
  // Its report is not ours to show: fc-cache's output goes nowhere.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  if (posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  posix_spawn_file_actions_destroy(&actions);
}

void XdgFontPlatform::RecordInProfile(const fontcalls::ProfileEntry&) {}

void XdgFontPlatform::BroadcastFontChange(const fontcalls::Broadcast&) {}

#endif
