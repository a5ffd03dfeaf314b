// A small host installation and metadata for the repair tests: a program
// folder holding Remendor.mdb and an installation folder holding
// VORA12.mdb, both scrambled, as the program finds them.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "RecordedLines.h"
#include "dao/DBEngine.h"
#include "host/ClsKolm.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "support/QueryResults.h"
#include "support/TempDir.h"

// Rows of the metadata's three tables.
inline std::string TableRow(const std::string& name, int code, int inherits, bool repair) {
  return "INSERT INTO DBTablas VALUES ('" + name + "', " + std::to_string(code) + ", " +
         std::to_string(inherits) + ", " + (repair ? "True" : "False") + ")";
}
inline std::string ColumnRow(int table, const std::string& name, const std::string& type,
                             int order) {
  return "INSERT INTO DBColumnas VALUES (" + std::to_string(table) + ", '" + name + "', '" + type +
         "', " + std::to_string(order) + ", NULL)";
}
inline std::string TypeRow(const std::string& name, const std::string& type,
                           const std::string& size = "NULL") {
  return "INSERT INTO DBTipos VALUES ('" + name + "', '" + type + "', " + size + ", NULL, NULL)";
}

class RepairFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir.Path() / "prog");
    std::filesystem::create_directories(dir.Path() / "inst");
    program = dir.File("prog");
    install = dir.File("inst");
    metadata = dir.File("prog/Remendor.mdb");
    host = dir.File("inst/VORA12.mdb");
  }

  static dao::Database Create(const std::string& path, const std::vector<std::string>& sql) {
    dao::Database db = dao::DBEngine::CreateDatabase(path, "wePlorKadviM");
    for (const std::string& s : sql) db.Execute(s);
    return db;
  }

  // Metadata with the three tables and the given rows, scrambled.
  void WriteMetadata(const std::vector<std::string>& rows) {
    std::vector<std::string> sql = {
        "CREATE TABLE DBTablas (Nombre TEXT (60), CodTabla LONG, Hereda LONG, Reparar LOGICAL)",
        "CREATE TABLE DBColumnas (CodTabla LONG, NombreCampo TEXT (60), TipoDatos TEXT (30), "
        "Orden LONG, Version TEXT (6))",
        "CREATE TABLE DBTipos (TypeName TEXT (30), Type TEXT (20), Size LONG, Nulos LOGICAL, "
        "Requerido LOGICAL)"};
    sql.insert(sql.end(), rows.begin(), rows.end());
    Create(metadata, sql).Close();
    kolm.encriptoDesencripto(metadata);
  }

  // Metadata that marks one table for repair: 13Situaciones (Codigo).
  void WriteOneTableMetadata() {
    WriteMetadata({TypeRow("T", "TEXTO", "6"), TableRow("13Situaciones", 1, 1, true),
                   ColumnRow(1, "Codigo", "T", 1)});
  }

  // 22Cuiles and 21Declaraciones_Juradas with their fourteen columns, rows
  // with and without NULLs, then `extra` statements; scrambled.
  void WriteHost(const std::vector<std::string>& extra = {}, bool withSumaRRII7 = true) {
    std::vector<std::string> sql = {
        "CREATE TABLE 22Cuiles (Cuil TEXT (11), Adicionales DOUBLE, Premios DOUBLE, "
        "CantidadHorasExtra LONG, SueldoDto788_05 DOUBLE, AportesSSDto788_05 DOUBLE, "
        "RemuneracionImponible7 DOUBLE, AportesRes33_41_SSS DOUBLE)",
        "INSERT INTO 22Cuiles (Cuil, Adicionales, Premios) VALUES ('20123456786', NULL, 10.5)",
        "INSERT INTO 22Cuiles (Cuil, Adicionales, Premios, CantidadHorasExtra, SueldoDto788_05, "
        "AportesSSDto788_05, RemuneracionImponible7, AportesRes33_41_SSS) VALUES ('27111111114', "
        "1.25, 2, 3, 4, 5, 6, 7)",
        std::string("CREATE TABLE 21Declaraciones_Juradas (Periodo TEXT (6), OpcionLey25922 "
                    "INTEGER, PorcentajeAfectadoLey25922 DOUBLE, "
                    "ResultadoEquivalenteCredFiscalIVA DOUBLE, ") +
            (withSumaRRII7 ? "SumaRRII7 DOUBLE, " : "") +
            "TotalSuedosAfectadosDto788_05 DOUBLE, TotalAportesSSSto788_05 DOUBLE, "
            "TotalAportesRes33_41_SSS DOUBLE)",
        "INSERT INTO 21Declaraciones_Juradas (Periodo) VALUES ('202401')"};
    sql.insert(sql.end(), extra.begin(), extra.end());
    Create(host, sql).Close();
    kolm.encriptoDesencripto(host);
  }

  // Opens a file as the program does and puts its scrambling back after.
  template <typename F>
  void Inspect(const std::string& path, F f) {
    const bool scrambled = ReadBytes(path)[0] != 0;
    dao::Database db;
    ASSERT_TRUE(kolm.AbrirBaseMdb(path, db));
    f(db);
    db.Close();
    if (scrambled) kolm.encriptoDesencripto(path);
  }

  TempDir dir;
  std::string program, install, metadata, host;
  ClsKolm kolm;
  ScopedService<RecordingMessageBox> boxes;
};
