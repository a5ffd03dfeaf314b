/*
** ClsKolm: the contributor data, Cargar and ObtenerDirección. See ClsKolm.h.
**
** Novu.mdb is opened through AbrirBaseMdb, which unscrambles it when needed.
** Unlike the routines these replace, both operations
**   - put the CUIT into their statements as a quoted Jet literal, so that a
**     CUIT holding an apostrophe neither breaks the statement nor selects
**     other rows;
**   - close the record set and the database on every way out, a raised
**     error included, and scramble the file again when they found it
**     scrambled, so that no file is left open or unscrambled;
**   - ObtenerDirección returns its single blank when the database cannot be
**     opened, without querying a handle that was never opened.
*/
#include <fstream>

#include "common/Variant.h"
#include "common/a_c_generic.h"
#include "host/ClsKolm.h"
#include "platform/MessageBoxService.h"
#include "platform/PathSeparator.h"

const char* const ClsKolm::kMensajeSinKolm =
    "El ingreso al sistema se debe realizar por medio del módulo K.O.Lm.";
const char* const ClsKolm::kMensajeSinBaseKolm = "No se pudo abrir la base de datos del Kolm";
const char* const ClsKolm::kMensajeSinContribuyente =
    "Imposible localizar los datos del contribuyente ";

namespace {

std::string NovuMdb(const std::string& folder) {
  return folder + kPathSeparatorText + ".." + kPathSeparatorText + "Novu.mdb";
}

// A text as a Jet literal: between apostrophes, each inner one doubled; a
// NUL byte, which the engine refuses inside a literal, joined in as Chr(0),
// so that such a CUIT is looked up (and not found) like any other.
std::string JetLiteral(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\0') {
      quoted += "' & Chr(0) & '";
      continue;
    }
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  return quoted + "'";
}

bool FirstByteNonZero(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char first = 0;
  return in.get(first) && first != 0;
}

// The contributor database for one operation: opened through AbrirBaseMdb,
// closed with its record set, and scrambled again if it was, on every way
// out.
class NovuSession {
 public:
  NovuSession(ClsKolm& kolm, std::string path) : kolm_(kolm), path_(std::move(path)) {
    const bool scrambled = FirstByteNonZero(path_);
    opened_ = kolm_.AbrirBaseMdb(path_, db_);
    rescramble_ = opened_ && scrambled && !FirstByteNonZero(path_);
  }
  ~NovuSession() {
    try {
      if (rs_.IsOpen()) rs_.Close();
      if (db_.IsOpen()) db_.Close();
    } catch (const AppError& e) {
      MsgBox(e.Description());
    }
    rs_ = dao::Recordset();
    db_ = dao::Database();
    if (rescramble_) kolm_.encriptoDesencripto(path_);
  }
  NovuSession(const NovuSession&) = delete;
  NovuSession& operator=(const NovuSession&) = delete;

  bool Opened() const { return opened_; }
  dao::Recordset& Query(const std::string& sql) {
    rs_ = db_.OpenRecordset(sql);
    return rs_;
  }

 private:
  ClsKolm& kolm_;
  std::string path_;
  dao::Database db_;
  dao::Recordset rs_;
  bool opened_ = false;
  bool rescramble_ = false;
};

}  // namespace

bool ClsKolm::Cargar(const std::string& LineaComando, const std::string& Path) {
  RutaBase = Path;
  if (LineaComando.empty()) {
    MsgBox(kMensajeSinKolm);
    return false;
  }
  NovuSession novu(*this, NovuMdb(Path));
  if (!novu.Opened()) {
    MsgBox(kMensajeSinBaseKolm);
    return false;
  }
  Cuit = LineaComando;
  dao::Recordset& rs = novu.Query("SELECT * FROM Contribs WHERE Cuit= " + JetLiteral(Cuit));
  if (rs.RecordCount() > 0) {
    a_c_generic generic;
    generic.Dato = rs.Fields("Descrip").Value();
    const std::string descripcion = generic.Str_SinÑuflos();
    const int32_t numero = rs.Fields("nContrib").Value().ToLong();
    const int32_t tipo = rs.Fields("TipoPersona").Value().ToLong();
    Descripcion = descripcion;
    nContrib = numero;
    TipoPersona = tipo;
    return true;
  }
  MsgBox(kMensajeSinContribuyente + LineaComando);
  return false;
}

std::string ClsKolm::ObtenerDirección() {
  NovuSession novu(*this, NovuMdb(RutaBase));
  if (!novu.Opened()) return " ";
  dao::Recordset& rs = novu.Query(
      "SELECT Calle & ' ' & nro & ' Piso ' & piso & ' Dto ' & dtoofLoc & ' ' & Barrio & ' - ' & "
      "Localidad & ' (' & codPostal & ')' AS Result  FROM contribs INNER JOIN domicilio ON "
      "contribs.ncontrib = domicilio.ncontrib  WHERE cuit = " +
      JetLiteral(Cuit));
  if (rs.RecordCount() > 0) {
    const Variant result = rs.Fields("Result").Value();
    if (!result.IsNull()) return result.ToString();
  }
  return " ";
}
