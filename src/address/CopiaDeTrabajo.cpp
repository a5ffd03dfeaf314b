/*
** CopiaDeTrabajo: the working-copy protocol. See CopiaDeTrabajo.h.
*/
#include "address/CopiaDeTrabajo.h"

#include <functional>

#include "address/SentenciasDomicilio.h"
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

void CopiaDeTrabajo::HacerCopia(int32_t CodTemporal) {
  if (a_.Inicio) {
    if (CodTemporal == a_.CodDJ) {
      throw AppError(kArgumentoNoValido,
                     "No se puede copiar los domicilios: el código de la copia (" +
                         std::to_string(CodTemporal) + ") es el de la declaración.");
    }
    const std::string columnas = TraerTodosCampos(a_.Db, a_.Tabla, {"CodDJ"});
    EnTransaccion([&] {
      a_.Db.Execute(SentenciasDomicilio::BorrarCopia(a_, CodTemporal));
      a_.Db.Execute(SentenciasDomicilio::HacerCopia(a_, CodTemporal, columnas));
    });
    pendiente_ = true;
  }
  a_.Inicio = false;
}

void CopiaDeTrabajo::CommitearCopia() {
  a_.Db.Execute(SentenciasDomicilio::BorrarCopia(a_, SentenciasDomicilio::CodigoCopia(a_.Dueño)));
  pendiente_ = false;
}

void CopiaDeTrabajo::ResetearCopia() {
  if (!pendiente_) return;
  const int32_t copia = SentenciasDomicilio::CodigoCopia(a_.Dueño);
  EnTransaccion([&] {
    a_.Db.Execute(SentenciasDomicilio::EliminarDelDueño(a_));
    a_.Db.Execute(SentenciasDomicilio::RestaurarCopia(a_, copia));
  });
  pendiente_ = false;
}

void CopiaDeTrabajo::Nuevo_Update(int32_t CodReferencia) {
  a_.Db.Execute(SentenciasDomicilio::AsignarReferencia(a_, CodReferencia));
}
