/*
** AppError: the one exception type of the system, and the table of the
** language run time's error numbers and texts.
**
** Every failure travels as an AppError carrying a number and a description,
** as the platform's run-time errors did: the database engine uses its own
** numbers (3024 file not found, 3031 wrong password, ...; their table is
** dao/sql/JetErrors.h), the language run time its own (6 overflow, 13 type
** mismatch, 53 file not found, 62 input past end of file), listed here.
** Routines that trap errors show Description() to the operator; nothing is
** swallowed silently.
**
** A raise names an ErrorText: a number with its Spanish text, written once.
** "{}" in a text stands for the names the raise site gives, in order (the
** file, the table, the field at fault).
*/
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

class AppError : public std::runtime_error {
 public:
  AppError(int number, const std::string& description)
      : std::runtime_error(description), number_(number) {}

  int Number() const noexcept { return number_; }
  std::string Description() const { return what(); }

 private:
  int number_;
};

// An error number with its text.
struct ErrorText {
  int number;
  std::string_view text;

  // The same text under another number: syntax errors are numbered after
  // the statement they occur in.
  constexpr ErrorText As(int otherNumber) const { return {otherNumber, text}; }

  // The text with each "{}" replaced by the next of `args`.
  std::string Format(std::initializer_list<std::string_view> args = {}) const {
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '{' && i + 1 < text.size() && text[i + 1] == '}' && next != args.end()) {
        out += *next++;
        ++i;
      } else {
        out += text[i];
      }
    }
    return out;
  }

  AppError Error(std::initializer_list<std::string_view> args = {}) const {
    return AppError(number, Format(args));
  }
};

[[noreturn]] inline void Raise(const ErrorText& e,
                               std::initializer_list<std::string_view> args = {}) {
  throw e.Error(args);
}

// Run-time error numbers shared by the utilities and the controls.
namespace rterr {
inline constexpr int kInvalidCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kInternalError = 51;
inline constexpr int kFileNotFound = 53;
inline constexpr int kDeviceIoError = 57;
inline constexpr int kFileAlreadyExists = 58;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kObjectNotSet = 91;
inline constexpr int kInvalidUseOfNull = 94;
inline constexpr int kControlArrayElementMissing = 340;
inline constexpr int kElementNotFound = 35601;  // list and tree controls

// The run time's own texts, for the errors raised without a name to show.
namespace msg {
inline constexpr ErrorText kInvalidCall{rterr::kInvalidCall,
                                        "Argumento o llamada a procedimiento no válida"};
inline constexpr ErrorText kOverflow{rterr::kOverflow, "Desbordamiento"};
inline constexpr ErrorText kSubscriptOutOfRange{rterr::kSubscriptOutOfRange,
                                                "Subíndice fuera del intervalo"};
inline constexpr ErrorText kTypeMismatch{rterr::kTypeMismatch, "No coinciden los tipos"};
inline constexpr ErrorText kInvalidUseOfNull{rterr::kInvalidUseOfNull, "Uso no válido de Null"};
}  // namespace msg
}  // namespace rterr
