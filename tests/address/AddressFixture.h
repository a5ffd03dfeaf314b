// A fresh database holding the sample address data, and the scope of one
// owner of it, for the address tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "address/AddressRecords.h"
#include "address/AddressScope.h"
#include "address/ColumnMaxNumbering.h"
#include "dao/DBEngine.h"
#include "samples/SampleAddresses.h"
#include "support/ErrorOf.h"
#include "support/QueryResults.h"
#include "support/TempDir.h"

class AddressFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    db = dao::DBEngine::CreateDatabase(dir.File("VORA12.mdb"), "clave");
    SampleAddresses::Crear(db);
    numbering = std::make_unique<ColumnMaxNumbering>(db, "CodDomicilio");
    SwitchTo(SampleAddresses::kEmpresa);
  }
  void TearDown() override {
    scope.Db = dao::Database();
    numbering.reset();
    db.Close();
  }

  // The scope of an owner of the data, as the host configures it.
  AddressScope ScopeOf(const SampleAddresses::Titular& t) {
    AddressScope a;
    a.Db = db;
    a.Tabla = SampleAddresses::kTabla;
    a.Cuit = t.Cuit;
    a.CodDJ = t.CodDJ;
    a.Dueño = t.Dueño;
    a.CodReferencia = t.CodReferencia;
    a.Sistema = numbering.get();
    SampleAddresses::ConfigurarCampos(a.Campos);
    return a;
  }
  // Points the scope at another owner of the data.
  void SwitchTo(const SampleAddresses::Titular& t) { scope = ScopeOf(t); }

  // An address as the editor hands it on, in the sample's province.
  static AddressInput Address(const std::string& street, const std::string& number,
                              const std::string& town) {
    AddressInput d;
    d.Textos[campo::kCalle] = street;
    d.Textos[campo::kNumero] = number;
    d.Textos[campo::kLocalidad] = town;
    d.Provincia = "3";
    return d;
  }

  long Count(const std::string& condicion) {
    return FirstNumber(db, "select count(*) from 24Domicilios where " + condicion);
  }

  // Every row of the address table, one line each, in a fixed order: the
  // whole table, so that a change to any owner's rows shows.
  std::vector<std::string> AllRows() {
    return Rows(db, "select * from 24Domicilios order by Cuit, CodDJ, CodDomicilio");
  }

  TempDir dir;
  dao::Database db;
  std::unique_ptr<ColumnMaxNumbering> numbering;
  AddressScope scope;
};
