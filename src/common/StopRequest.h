/*
** StopRequest: a request to stop long work, made by a signal handler and
** honoured at the next safe point of the work: the database engine asks
** before every statement and, while one runs, every thousand steps of it,
** and ends the statement undone with its error 3059 (canceled by the
** user). What the program does then (put its files back as found, end
** with a line that says why) is the program's.
**
** Request is async-signal-safe: it only stores the signal's number in a
** lock-free atomic. Nothing but a program that installs a handler makes a
** request, so the windowed programs never see one.
*/
#pragma once

class StopRequest {
 public:
  // The signal that asks to stop (any number other than 0).
  static void Request(int signal) noexcept;
  static bool Pending() noexcept;
  // The signal of the request, 0 when there is none.
  static int Signal() noexcept;
  static void Clear() noexcept;
};
