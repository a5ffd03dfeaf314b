/*
** WorkingCopy: the working-copy protocol. See WorkingCopy.h.
*/
#include "address/WorkingCopy.h"

#include <functional>

#include "address/AddressStatements.h"
#include "address/TraerTodosCampos.h"
#include "common/AppError.h"
#include "dao/DBEngine.h"

namespace {

// Runs `pasos` in one transaction; any failure rolls every step back and
// is raised again.
void EnTransaccion(const std::function<void()>& pasos) {
  dao::DBEngine::BeginTrans();
  try {
    pasos();
  } catch (...) {
    dao::DBEngine::Rollback();
    throw;
  }
  dao::DBEngine::CommitTrans();
}

}  // namespace

void WorkingCopy::HacerCopia(int32_t CodTemporal) {
  if (a_.Inicio) {
    if (CodTemporal == a_.CodDJ) {
      throw AppError(kArgumentoNoValido,
                     "No se puede copiar los domicilios: el código de la copia (" +
                         std::to_string(CodTemporal) + ") es el de la declaración.");
    }
    const std::string columnas = TraerTodosCampos(a_.Db, a_.Tabla, {"CodDJ"});
    EnTransaccion([&] {
      a_.Db.Execute(AddressStatements::BorrarCopia(a_, CodTemporal));
      a_.Db.Execute(AddressStatements::HacerCopia(a_, CodTemporal, columnas));
    });
    pendiente_ = true;
  }
  a_.Inicio = false;
}

void WorkingCopy::CommitearCopia() {
  a_.Db.Execute(AddressStatements::BorrarCopia(a_, AddressStatements::CodigoCopia(a_.Dueño)));
  pendiente_ = false;
}

void WorkingCopy::ResetearCopia() {
  if (!pendiente_) return;
  const int32_t copia = AddressStatements::CodigoCopia(a_.Dueño);
  EnTransaccion([&] {
    a_.Db.Execute(AddressStatements::EliminarDelDueño(a_));
    a_.Db.Execute(AddressStatements::RestaurarCopia(a_, copia));
  });
  pendiente_ = false;
}

void WorkingCopy::Nuevo_Update(int32_t CodReferencia) {
  a_.Db.Execute(AddressStatements::AsignarReferencia(a_, CodReferencia));
}
