/*
** InfoRepResultSink: a result list (NOVUInfoRep) as the place where the
** repair run writes its lines, each with the icon of its kind.
*/
#pragma once

#include "controls/ui/NOVUInfoRep.h"
#include "repair/ResultSink.h"

class InfoRepResultSink : public ResultSink {
 public:
  explicit InfoRepResultSink(NOVUInfoRep& lista) : lista_(lista) {}

  void AgregarInfo(const std::string& Descripcion) override { lista_.AgregarInfo(Descripcion); }
  void AgregarAdvertencia(const std::string& Descripcion) override {
    lista_.AgregarAdvertencia(Descripcion);
  }
  void AgregarErr(const std::string& Descripcion) override { lista_.AgregarErr(Descripcion); }

 private:
  NOVUInfoRep& lista_;
};
