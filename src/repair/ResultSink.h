/*
** ResultSink: where the repair run writes its findings, one line at a time.
**
** The main window's result list implements it with its three icons; the
** command-line front prints the lines. Lines are added in order and never
** taken back: the lines of successive runs accumulate.
*/
#pragma once

#include <string>

class ResultSink {
 public:
  virtual ~ResultSink() = default;

  virtual void AgregarInfo(const std::string& Descripcion) = 0;
  virtual void AgregarAdvertencia(const std::string& Descripcion) = 0;
  virtual void AgregarErr(const std::string& Descripcion) = 0;
};
