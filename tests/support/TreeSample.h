// What the lazy tree's tests load: a small database of companies and their
// employees, and a form's answers to the tree that come from the row and
// remember what they were asked.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "controls/NOVUTreeContainer.h"
#include "dao/DBEngine.h"

// Empresas 12 "Norte" and 13 "Sur"; Empleados 1 "Ana" and 2 "Juan" of 12,
// 3 "O'Brien" of 13.
inline dao::Database MakeTreeSample(const std::string& file) {
  dao::Database db = dao::DBEngine::CreateDatabase(file, "");
  db.Execute("CREATE TABLE Empresas (IdEmpresa LONG, Nombre TEXT(50))");
  db.Execute("INSERT INTO Empresas VALUES (12, 'Norte')");
  db.Execute("INSERT INTO Empresas VALUES (13, 'Sur')");
  db.Execute("CREATE TABLE Empleados (IdEmpleado LONG, IdEmpresa LONG, Nombre TEXT(50))");
  db.Execute("INSERT INTO Empleados VALUES (1, 12, 'Ana')");
  db.Execute("INSERT INTO Empleados VALUES (2, 12, 'Juan')");
  db.Execute("INSERT INTO Empleados VALUES (3, 13, 'O''Brien')");
  return db;
}

class RecordingTreeContainer : public NOVUTreeContainer {
 public:
  std::map<double, int32_t> levels;  // iterator code -> children level
  std::set<std::string> filledKeys;  // "code/values" that show "lleno"
  std::set<std::string> nullKeys;    // "code/values" answered with Null
  std::vector<std::string> asked;
  bool askedWithoutRow = false;

  std::string DarCaption(Variant& Codigo, dao::Recordset& rs) override {
    asked.push_back("DarCaption " + Codigo.ToString());
    return rs.Fields("Nombre").Value().ToString();
  }
  int32_t DarCondicion(Variant& Codigo, dao::Recordset& rs) override {
    asked.push_back("DarCondicion " + Codigo.ToString());
    askedWithoutRow = !rs.IsOpen();
    return levels.at(Codigo.ToDouble());
  }
  Variant EsCheck(Variant& Codigo, std::vector<Variant>& ValoresCampo) override {
    std::string key = Codigo.ToString();
    for (const Variant& v : ValoresCampo) key += "/" + v.ToString();
    asked.push_back("EsCheck " + key);
    if (nullKeys.count(key) > 0) return Variant::Null();
    return filledKeys.count(key) > 0;
  }
};
