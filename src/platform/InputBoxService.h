/*
** InputBoxService: the seam through which the core asks the operator to
** type one line of text. The core never opens a dialog itself.
**
** Ask shows the prompt under the title with `defaultText` filled in and
** returns what the operator typed, or "" when the box was cancelled: as
** with the platform's input box, an empty answer and a cancelled box are
** the same to the caller.
**
** The program installs QtInputBox (platform/ui); tests install a
** RecordingInputBox that answers ahead of time. With nothing installed
** every box is cancelled.
*/
#pragma once

#include <memory>
#include <string>

class InputBoxService {
 public:
  virtual ~InputBoxService() = default;
  virtual std::string Ask(const std::string& prompt, const std::string& title,
                          const std::string& defaultText) = 0;

  static std::shared_ptr<InputBoxService> Install(std::shared_ptr<InputBoxService> service);
  static InputBoxService& Current();
};

// Asks through the installed service.
std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText = "");
