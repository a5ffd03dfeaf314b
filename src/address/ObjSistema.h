/*
** ObjSistema: what the host application provides to the address records:
** the code of a new address.
**
** The numbering rule is the host's; the records only rely on getting a
** code that no row of the table uses yet (backup rows of a working copy
** included, since they keep their codes). The result is a value because
** the host may answer with any number: the caller takes it as a 32-bit
** integer (overflow 6, Null 94). A failure is the host's AppError and
** reaches the caller of the operation that asked.
*/
#pragma once

#include <string>

#include "common/Variant.h"

class ObjSistema {
 public:
  virtual ~ObjSistema() = default;

  virtual Variant DevolverMaximo(const std::string& tabla) = 0;
};
