// The reader's own process: whatever happens to it (a crash, a loop, a
// runaway allocation, garbage on the pipe) reaches the importer as one
// error naming the file, and an interrupt stops it at once.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <vector>

#include "dao/sql/JetErrors.h"
#include "jetimport/ImportErrors.h"
#include "jetimport/ReaderProcess.h"
#include "support/ErrorOf.h"

using jetimport::ReaderProcess;
using ::testing::HasSubstr;

namespace {

std::string Failure(const ReaderProcess::Body& body, int silenceSeconds = 5,
                    std::function<bool()> stop = {}) {
  ReaderProcess reader("origen.mdb", 1000, body, {silenceSeconds, std::move(stop)});
  return ErrorMessageOf([&] {
    for (;;) reader.Next("al leer la tabla 'T'", "destino.mdb");
  });
}

}  // namespace

TEST(ReaderProcess, MessagesArriveWholeAndInOrder) {
  ReaderProcess reader("origen.mdb", 1000,
                       [](const ReaderProcess::Send& send) {
                         send("primero");
                         send(std::string(300000, 'x'));
                         send(std::string("\0fin", 4));
                       },
                       {});
  EXPECT_EQ(reader.Next("", ""), "primero");
  EXPECT_EQ(reader.Next("", "").size(), 300000u);
  EXPECT_EQ(reader.Next("", ""), std::string("\0fin", 4));
  EXPECT_THAT(Failure([](const ReaderProcess::Send&) {}), HasSubstr("terminó antes de tiempo"));
}

TEST(ReaderProcess, ACrashALoopOrARunawayAllocationIsOneErrorAboutTheFile) {
  // The crash is the signal's own, not a sanitizer's report of it.
  EXPECT_EQ(Failure([](const ReaderProcess::Send&) {
              std::signal(SIGSEGV, SIG_DFL);
              std::raise(SIGSEGV);
            }),
            "3343 Formato de base de datos no reconocido 'origen.mdb': el archivo está dañado; la "
            "lectura se detuvo al leer la tabla 'T' (el lector cayó con la señal 11, acceso a "
            "memoria no válido).");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Failure([](const ReaderProcess::Send&) { ::pause(); }, 1),
            "3343 Formato de base de datos no reconocido 'origen.mdb': el archivo está dañado; la "
            "lectura no avanzó en 1 segundos al leer la tabla 'T' y se abandonó.");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
#if !defined(__SANITIZE_ADDRESS__)
  // The child's address space is capped: allocating without end fails there.
  // (Under AddressSanitizer there is no cap, see ReaderProcess.cpp.)
  EXPECT_THAT(Failure([](const ReaderProcess::Send&) {
                std::vector<std::vector<char>> all;
                for (;;) all.emplace_back(64 << 20, 'x');
              }),
              ::testing::StartsWith("3343 Formato de base de datos no reconocido 'origen.mdb'"));
#endif
  // Every message has at least its kind: an empty one is garbage.
  EXPECT_THAT(Failure([](const ReaderProcess::Send& send) { send(""); }),
              HasSubstr("mensaje del lector no válido"));
}

TEST(ReaderProcess, AnInterruptStopsTheReaderAtOnce) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Failure([](const ReaderProcess::Send&) { ::pause(); }, 60, [] { return true; }),
            "18 Importación interrumpida: 'destino.mdb' no se creó ni se cambió.");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}
