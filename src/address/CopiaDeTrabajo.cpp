/*
** CopiaDeTrabajo: the working-copy protocol. See CopiaDeTrabajo.h.
*/
#include "address/CopiaDeTrabajo.h"

#include <functional>

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

FilasDeCopia CopiaDeTrabajo::FilasDelDueño() {
  FilasDeCopia filas;
  dao::Recordset rs =
      a_.Db.OpenRecordset(SentenciasDomicilio::CodigosDelDueño(a_), dao::dbOpenSnapshot);
  for (; !rs.Eof(); rs.MoveNext()) {
    const Variant codigo = rs.Fields(0).Value();
    if (codigo.IsNull()) {
      filas.nulos++;
    } else {
      filas.codigos.push_back(codigo.ToLong());
    }
  }
  rs.Close();
  return filas;
}

void CopiaDeTrabajo::HacerCopia(int32_t CodTemporal) {
  if (a_.Inicio) {
    if (CodTemporal == a_.CodDJ) {
      throw AppError(kArgumentoNoValido,
                     "No se puede copiar los domicilios: el código de la copia (" +
                         std::to_string(CodTemporal) + ") es el de la declaración.");
    }
    const std::string columnas = TraerTodosCampos(a_.Db, a_.Tabla, {"CodDJ"});
    FilasDeCopia filas;
    EnTransaccion([&] {
      // A copy of this object's still pending is given up, as a commit
      // would; then a stale backup of the rows about to be copied.
      if (pendiente_ && !filas_.Vacia())
        a_.Db.Execute(SentenciasDomicilio::BorrarCopia(a_, copia_, filas_));
      filas = FilasDelDueño();
      if (!filas.Vacia()) a_.Db.Execute(SentenciasDomicilio::BorrarCopia(a_, CodTemporal, filas));
      a_.Db.Execute(SentenciasDomicilio::HacerCopia(a_, CodTemporal, columnas));
    });
    filas_ = std::move(filas);
    copia_ = CodTemporal;
    pendiente_ = true;
  }
  a_.Inicio = false;
}

void CopiaDeTrabajo::CommitearCopia() {
  if (pendiente_ && !filas_.Vacia())
    a_.Db.Execute(SentenciasDomicilio::BorrarCopia(a_, copia_, filas_));
  pendiente_ = false;
  filas_ = {};
}

void CopiaDeTrabajo::ResetearCopia() {
  if (!pendiente_) return;
  EnTransaccion([&] {
    if (!filas_.Vacia()) {
      dao::Recordset rs = a_.Db.OpenRecordset(SentenciasDomicilio::ContarCopia(a_, copia_, filas_),
                                              dao::dbOpenSnapshot);
      const long quedan = rs.Fields(0).Value().ToLong();
      rs.Close();
      if (quedan != filas_.Cantidad()) {
        throw AppError(kCopiaCambiada,
                       "No se pueden restaurar los domicilios: su copia de respaldo ya no está "
                       "completa (otra copia de los mismos domicilios la restauró o la "
                       "descartó). No se cambió nada.");
      }
    }
    a_.Db.Execute(SentenciasDomicilio::EliminarDelDueño(a_));
    if (!filas_.Vacia()) a_.Db.Execute(SentenciasDomicilio::RestaurarCopia(a_, copia_, filas_));
  });
  pendiente_ = false;
  filas_ = {};
}

void CopiaDeTrabajo::Nuevo_Update(int32_t CodReferencia) {
  a_.Db.Execute(SentenciasDomicilio::AsignarReferencia(a_, CodReferencia));
}
