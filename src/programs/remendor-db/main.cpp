/*
** remendor-db: looks inside, builds and changes the engine's database
** files, for support staff, for the tests and for the demonstration.
**
** --help and --version answer on standard output; the help ends with where
** the repair looks for the installation and the metadata.
**
** Exit status: 0 on success, 1 when the command failed, 2 on bad usage.
** Message boxes of the library are written to standard error; a failure
** ends with one line there carrying the error's number (never 0) and its
** Spanish description, also for a failure of the system or the C++
** library (SystemError).
**
** Output that cannot be written (a pipe into a program that stopped
** reading, a full disk) fails the command instead of ending the program on
** the spot, which would leave a scrambled file that it was reading
** unscrambled.
**
** The signals that end a program (SIGINT from Ctrl-C, SIGTERM from kill or
** timeout, SIGHUP, SIGQUIT) do not end this one on the spot either: they
** become a stop request (StopRequest), which the engine honours at its
** next safe point, before the next statement or within a thousand steps
** of the one running, which is undone. Every file is then put back as it
** was found (a repair leaves the host as a run that failed there), and the
** program ends with one line, error 3059 and the signal's name, and the
** exit status 128 + the signal's number. On Windows the console's events
** stand for the signals: Ctrl+C and Ctrl+Break for SIGINT, the console
** closed (or the session ended) for SIGTERM.
*/
#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#else
#include <signal.h>
#endif

#include <csignal>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DbTool.h"
#include "ToolCommands.h"
#include "common/StopRequest.h"
#include "common/SystemError.h"
#include "common/WideText.h"
#include "dao/sql/JetErrors.h"
#include "platform/MessageBoxService.h"
#include "platform/PlatformFolders.h"
#include "platform/RecordingMessageBox.h"
#include "repair/ProgramFolder.h"
#include "repair/ProgramHelp.h"

namespace {

const char* const kUsage =
    "Uso: remendor-db [--password CLAVE] ORDEN ...\n"
    "     remendor-db --help | --version\n"
    "\n"
    "  create ARCHIVO [GUION]        base nueva y vacía con la contraseña; ejecuta GUION si se da\n"
    "  exec ARCHIVO INSTRUCCIÓN      ejecuta una instrucción; muestra las filas que cambió\n"
    "  query [--csv] ARCHIVO CONSULTA  muestra las filas: tabla alineada o CSV\n"
    "  tables ARCHIVO                cada tabla: nombre, vínculo y columnas con sus tipos\n"
    "  status ARCHIVO                base del motor o no, encriptada o no, contraseña aceptada o "
    "no\n"
    "  check ARCHIVO                 comprueba la integridad de la base\n"
    "  scramble ARCHIVO              invierte la encriptación del archivo\n"
    "  demo CARPETA                  crea una instalación de muestra en CARPETA\n"
    "  repair --version 26|27 [--install CARPETA]\n"
    "                                repara la base de la instalación, como la ventana\n"
    "  import ORIGEN DESTINO [--password CLAVE] [--tables T1,T2] [--replace]\n"
    "                                crea DESTINO con las tablas de ORIGEN, una base de\n"
    "                                Access 97 a 2003; --replace reemplaza un DESTINO que existe\n"
    "\n"
    "La contraseña por omisión es la del sistema. Un GUION es texto UTF-8 con\n"
    "instrucciones SQL terminadas en \";\" al final de una línea; las líneas que\n"
    "empiezan con \"--\" son comentarios.\n";

// The arguments as UTF-8. Windows hands main() its command line in the
// ANSI code page, which loses every character outside it: the wide command
// line is read instead.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
  (void)argc, (void)argv;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; wide && i < count; ++i) args.push_back(WideText::Narrow(wide[i]));
  LocalFree(wide);
  // A console shows the output as the UTF-8 it is.
  SetConsoleOutputCP(CP_UTF8);
  return args;
#else
  return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

#ifdef _WIN32

// Windows has no such signals: the console's events stand for them, Ctrl+C
// and Ctrl+Break for SIGINT, the console closed, the user logged off or the
// system shut down for SIGTERM. The handler runs on a thread of its own;
// the program goes on to its next safe point and ends there.
BOOL WINAPI AskToStop(DWORD event) {
  StopRequest::Request(event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? SIGINT : SIGTERM);
  return TRUE;
}

const char* SignalName(int signal) {
  return signal == SIGINT ? "Ctrl+C" : "el cierre de la consola";
}

#else

void AskToStop(int signal) {
  StopRequest::Request(signal);
}

const char* SignalName(int signal) {
  switch (signal) {
    case SIGINT:
      return "SIGINT";
    case SIGTERM:
      return "SIGTERM";
    case SIGHUP:
      return "SIGHUP";
    default:
      return "SIGQUIT";
  }
}

#endif

int Usage(const std::string& problem) {
  if (!problem.empty()) std::cerr << "remendor-db: " << problem << "\n\n";
  std::cerr << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args = Arguments(argc, argv);
  std::string password;
  bool customPassword = false;
  if (args.size() >= 2 && args[0] == "--password") {
    password = args[1];
    customPassword = true;
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) return Usage("");
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    std::cout << kUsage << '\n'
              << WhereItLooks(platform::WindowsDirectory(), ProgramFolder(argv[0]));
    return 0;
  }
  if (args[0] == "--version" && args.size() == 1 && !customPassword) {
    std::cout << VersionLine("remendor-db");
    return 0;
  }
  // A connect string ends a password at its first ";", so such a password
  // could neither open a file made with it nor be told from a shorter one:
  // every command refuses it alike.
  if (password.find(';') != std::string::npos) {
    const auto& refusal = dao::jeterr::msg::kPasswordWithSemicolon;
    std::cerr << "remendor-db: error " << refusal.number << ": " << refusal.Format() << '\n';
    return 1;
  }
#ifndef _WIN32
  std::signal(SIGPIPE, SIG_IGN);
  struct sigaction stop {};
  stop.sa_handler = AskToStop;
  sigemptyset(&stop.sa_mask);
  stop.sa_flags = SA_RESTART;
  for (int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaction(s, &stop, nullptr);
#else
  SetConsoleCtrlHandler(AskToStop, TRUE);
#endif
  auto boxes = std::make_shared<RecordingMessageBox>();
  MessageBoxService::Install(boxes);

  DbTool tool = customPassword ? DbTool(password, std::cout)
                               : DbTool(ClsKolm().DarPWD().substr(5), std::cout);
  const std::string cmd = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  int status = 1;
  std::optional<AppError> failure;
  try {
    status = RunCommand(tool, cmd, rest, argv[0]);
    if (status == kUsageError) return Usage("orden o argumentos no válidos: " + cmd);
    tool.CheckLeftAsFound();
  } catch (const AppError& e) {
    failure = e;
  } catch (const std::exception& e) {
    failure = SystemError::From(e);
  }
  if (!std::cout.flush() && !failure) {
    failure = AppError(rterr::kDeviceIoError, "No se pudo escribir la salida.");
  }
  // Boxes come first, also from a command that went on (a repair whose
  // final scrambling failed); the box that only repeats the failure is not
  // shown twice.
  for (const auto& b : boxes->Boxes()) {
    if (!failure || b.text != failure->Description())
      std::cerr << "remendor-db: " << b.text << '\n';
  }
  // A stop request ends the program whatever the command came to.
  if (const int signal = StopRequest::Signal(); signal != 0) {
    const auto& canceled = dao::jeterr::msg::kCanceledByUser;
    std::string text = canceled.Format();
    text.insert(text.size() - 1, std::string(" (se recibió ") + SignalName(signal) + ")");
    std::cerr << "remendor-db: error " << canceled.number << ": " << text << '\n';
    return 128 + signal;
  }
  if (failure) {
    std::cerr << "remendor-db: error " << failure->Number() << ": " << failure->Description()
              << '\n';
    return 1;
  }
  return status;
}
