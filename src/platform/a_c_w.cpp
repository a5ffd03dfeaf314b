/*
** a_c_w: folders and paths, regional checks, font installation. See a_c_w.h.
*/
#include "platform/a_c_w.h"

#include <filesystem>
#include <system_error>

#include "common/AppError.h"
#include "common/DateSerial.h"
#include "common/DateText.h"
#include "common/NativePath.h"
#include "common/Utf8Text.h"
#include "common/ValueFormat.h"
#include "platform/FontInstallCalls.h"
#include "platform/FontPlatform.h"
#include "platform/MessageBoxService.h"
#include "platform/PathSeparator.h"
#include "platform/PlatformFolders.h"

namespace {

std::string Folder(const std::string& fromSystem) {
  if (fromSystem.empty()) return std::string();
  std::string s = a_c_w::SacarUltimo(fromSystem);
  a_c_w::agregarBarra(s);
  return s;
}

}  // namespace

std::string a_c_w::DirWindows() const {
  return Folder(platform::WindowsDirectory());
}

std::string a_c_w::DirSystemWindows() const {
  return Folder(platform::SystemDirectory());
}

std::string a_c_w::SacarUltimo(const std::string& pString) {
  size_t p = pString.find('\0');
  return p == std::string::npos ? pString : pString.substr(0, p);
}

void a_c_w::agregarBarra(std::string& PPath) {
  std::string trimmed = PPath;
  while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
  if (trimmed.empty() || trimmed.back() != kPathSeparator) PPath = trimmed + kPathSeparator;
}

const char* const a_c_w::kMensajeNumeros =
    "ERROR DE CONFIGURACION DE WINDOWS \r\n"
    "Para que el sistema funcione en las condiciones bajo las cuales ha sido creado debe "
    "configurar el sistema numérico de Windows de la siguiente manera:\r\n"
    "Separador de decimales : , (coma)\r\n"
    "Separador de miles : . (punto)\r\n"
    "Para ello dirigase al Panel de Control --> Configuración Regional o Internacional";

const char* const a_c_w::kMensajeFecha =
    "ERROR DE CONFIGURACION DE WINDOWS \r\n"
    "Su sistema Windows está configurado de forma no compatible con los testeos realizados "
    "al sistema que intenta ejecutar. Esto puede provocar errores inesperados. Como medida "
    "preventiva le pedimos por favor cambie dicha configuración.\r\n"
    "Ingrese al Panel de Control de Windows --> Configuración Regional o Internacional y cambie "
    "la configuración como se indica: \r\n"
    "Formato de fecha: dd/MM/aaaa\r\n"
    "Separador: /";

bool a_c_w::ValidarFormatoFecha(const RegionalSettings& rs) {
  const auto probe = DateText::Parse("10/12/90", rs);
  if (!probe) return false;
  const std::string shown = ValueFormat::ShortDate(*probe, rs);
  if (Utf8Text::Length(shown) != 10 || shown.find('/') == std::string::npos) return false;
  const auto back = DateText::Parse(shown, rs);
  return back && DateSerial::Month(*back) == 12;
}

bool a_c_w::ValidarFormatoNumero(const RegionalSettings& rs) {
  // Characters, not bytes: a locale may group with a multi-byte blank.
  const std::string shown = ValueFormat::FormatNumber(1500.33, "0,000.00", rs);
  return Utf8Text::Mid(shown, 2, 1) == "." && Utf8Text::Mid(shown, 6, 1) == ",";
}

bool a_c_w::ChkNumerosValidos(const RegionalSettings& rs) const {
  const bool ok = ValidarFormatoNumero(rs);
  if (!ok) MsgBox(kMensajeNumeros);
  return ok;
}

bool a_c_w::ChkFechaValida(const RegionalSettings& rs) const {
  const bool ok = ValidarFormatoFecha(rs);
  if (!ok) MsgBox(kMensajeFecha);
  return ok;
}

namespace {

// Copies through a temporary name in the target folder, so that a copy cut
// short never leaves a partial font that later calls would take as installed.
void CopyFont(const std::filesystem::path& source, const std::filesystem::path& target) {
  std::error_code ec;
  std::filesystem::create_directories(target.parent_path(), ec);
  std::filesystem::path partial = target;
  partial += ".part";
  if (!ec)
    std::filesystem::copy_file(source, partial, std::filesystem::copy_options::overwrite_existing,
                               ec);
  if (!ec) std::filesystem::rename(partial, target, ec);
  if (!ec) return;
  std::error_code ignored;
  std::filesystem::remove(partial, ignored);
  const int number =
      ec == std::errc::no_such_file_or_directory ? rterr::kPathNotFound : rterr::kPermissionDenied;
  throw AppError(number, "No se pudo copiar '" + NativePath::ToUtf8(source) + "' en '" +
                             NativePath::ToUtf8(target) + "': " + ec.message() + ".");
}

}  // namespace

void a_c_w::InstalarFuente(const std::string& Path, int32_t Tipo) const {
  const fontcalls::FontSet set = fontcalls::FontSetFor(Tipo);
  FontPlatform& platform = FontPlatform::Current();

  const std::filesystem::path installed =
      NativePath::From(platform.FontsFolder() + set.trueTypeFile);
  const std::filesystem::path offered =
      NativePath::From(Path + kPathSeparatorText + set.trueTypeFile);
  std::error_code ec;
  if (!std::filesystem::exists(installed, ec) && std::filesystem::exists(offered, ec)) {
    CopyFont(offered, installed);
  }

  const std::string system = DirSystemWindows();
  platform.CreateScalableResource(fontcalls::ScalableResourceFor(set, system));
  platform.RegisterFont(set.trueTypeFile);
  platform.RecordInProfile(fontcalls::ProfileEntryFor(set, system));
  platform.BroadcastFontChange(fontcalls::FontChangeBroadcast());
}
