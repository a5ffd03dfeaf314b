/*
** AppError: the one exception type of the system.
**
** Every failure travels as an AppError carrying a number and a description,
** as the platform's run-time errors did: the database engine uses its own
** numbers (3024 file not found, 3031 wrong password, ...), the language
** run time its own (6 overflow, 13 type mismatch, 53 file not found, 62 input
** past end of file). Routines that trap errors show Description() to the
** operator; nothing is swallowed silently.
*/
#pragma once

#include <stdexcept>
#include <string>

class AppError : public std::runtime_error {
 public:
  AppError(int number, const std::string& description)
      : std::runtime_error(description), number_(number) {}

  int Number() const noexcept { return number_; }
  std::string Description() const { return what(); }

 private:
  int number_;
};

// Run-time error numbers shared by the utilities.
namespace rterr {
inline constexpr int kOverflow = 6;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kFileNotFound = 53;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kPathNotFound = 76;
inline constexpr int kPermissionDenied = 70;
}  // namespace rterr
