/*
** WorkingCopy: the working-copy protocol. See WorkingCopy.h.
*/
#include "address/WorkingCopy.h"

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

CopiedRows WorkingCopy::FilasDelDueño() {
  CopiedRows filas;
  dao::Recordset rs =
      a_.Db.OpenRecordset(AddressStatements::CodigosDelDueño(a_), dao::dbOpenSnapshot);
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

void WorkingCopy::HacerCopia(int32_t CodTemporal) {
  if (a_.Inicio) {
    if (CodTemporal == a_.CodDJ) {
      throw AppError(kArgumentoNoValido,
                     "No se puede copiar los domicilios: el código de la copia (" +
                         std::to_string(CodTemporal) + ") es el de la declaración.");
    }
    const std::string columnas = TraerTodosCampos(a_.Db, a_.Tabla, {"CodDJ"});
    CopiedRows filas;
    EnTransaccion([&] {
      // A copy of this object's still pending is given up, as a commit
      // would; then a stale backup of the rows about to be copied.
      if (pendiente_ && !filas_.Vacia())
        a_.Db.Execute(AddressStatements::BorrarCopia(a_, copia_, filas_));
      filas = FilasDelDueño();
      if (!filas.Vacia()) a_.Db.Execute(AddressStatements::BorrarCopia(a_, CodTemporal, filas));
      a_.Db.Execute(AddressStatements::HacerCopia(a_, CodTemporal, columnas));
    });
    filas_ = std::move(filas);
    copia_ = CodTemporal;
    pendiente_ = true;
    writesAtCopy_ = a_.Writes;
  }
  a_.Inicio = false;
}

void WorkingCopy::CommitearCopia() {
  if (pendiente_ && !filas_.Vacia())
    a_.Db.Execute(AddressStatements::BorrarCopia(a_, copia_, filas_));
  pendiente_ = false;
  filas_ = {};
}

void WorkingCopy::ResetearCopia() {
  if (!pendiente_) return;
  EnTransaccion([&] {
    if (!filas_.Vacia()) {
      dao::Recordset rs = a_.Db.OpenRecordset(AddressStatements::ContarCopia(a_, copia_, filas_),
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
    a_.Db.Execute(AddressStatements::EliminarDelDueño(a_));
    if (!filas_.Vacia()) a_.Db.Execute(AddressStatements::RestaurarCopia(a_, copia_, filas_));
  });
  pendiente_ = false;
  filas_ = {};
}

void WorkingCopy::Nuevo_Update(int32_t CodReferencia) {
  a_.Db.Execute(AddressStatements::AsignarReferencia(a_, CodReferencia));
}
