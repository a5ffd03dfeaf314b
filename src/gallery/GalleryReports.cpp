/*
** What the gallery's pages report. See GalleryReports.h.
*/
#include "gallery/GalleryReports.h"

#include "common/AppError.h"

namespace {

constexpr const char* kInicio = "«Salir y ejecutar el sistema»";

long Count(dao::Database& db, const std::string& sql) {
  dao::Recordset rs = db.OpenRecordset(sql, dao::dbOpenSnapshot);
  return rs.Fields(0).Value().ToLong();
}

}  // namespace

std::string GalleryReports::Welcome(bool started, bool showAgain) {
  return std::string(started ? "Se pulsó " : "La ventana se cerró sin pulsar ") + kInicio +
         "; InicioMensaje_Mostrar respondió " +
         (showAgain ? "True: la bienvenida se vuelve a mostrar."
                    : "False: la bienvenida no se vuelve a mostrar.");
}

std::string GalleryReports::Addresses(bool hasEditor, bool hasAddresses, Copy copy) {
  std::string text = hasEditor ? "Pulse «...» para abrir el editor."
                               : "Este programa no tiene el editor de domicilios: "
                                 "el control muestra el resumen.";
  text += std::string("\n\nTiene domicilios: ") + (hasAddresses ? "sí" : "no");
  text += "\nCopia de trabajo: ";
  switch (copy) {
    case Copy::None:
      text += "ninguna";
      break;
    case Copy::Unchanged:
      text += "hecha al abrir el editor, sin cambios";
      break;
    case Copy::Changed:
      text += "con cambios que «Deshacer los cambios» vuelve atrás";
      break;
  }
  return text;
}

std::vector<GalleryReports::Finding> GalleryReports::Findings(dao::Database& host) {
  std::vector<Finding> lines;
  const auto probe = [&](auto line) {
    try {
      lines.push_back(line());
    } catch (const AppError& e) {
      lines.push_back({Kind::Error, e.Description()});
    }
  };
  probe([&] {
    return Finding{Kind::Information,
                   "La muestra tiene " +
                       std::to_string(Count(host, "select count(*) from 21Declaraciones_Juradas")) +
                       " declaraciones juradas y " +
                       std::to_string(Count(host, "select count(*) from 22Cuiles")) +
                       " filas de empleados."};
  });
  probe([&] {
    const long nulls = Count(host, "select count(*) from 22Cuiles where Adicionales is null");
    return nulls > 0
               ? Finding{Kind::Warning, std::to_string(nulls) +
                                            " filas de 22Cuiles tienen Adicionales en NULL; "
                                            "la reparación las pone en 0."}
               : Finding{Kind::Information, "Ninguna fila de 22Cuiles tiene Adicionales en NULL."};
  });
  probe([&] {
    // A table made since the collection was read shows only after this.
    host.TableDefs().Refresh();
    return host.TableDefs().Contains("VersionBase")
               ? Finding{Kind::Information, "La muestra tiene la tabla VersionBase."}
               : Finding{Kind::Warning,
                         "La muestra no tiene la tabla VersionBase; la reparación la crea."};
  });
  try {
    Count(host, "select count(*) from TablaInexistente");
    lines.push_back({Kind::Information, "La tabla TablaInexistente existe."});
  } catch (const AppError& e) {
    lines.push_back({Kind::Error, "Ejemplo de error, una consulta a una tabla que no existe: " +
                                      std::to_string(e.Number()) + " " + e.Description()});
  }
  return lines;
}
