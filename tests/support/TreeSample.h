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
  std::map<double, int32_t> condiciones;  // iterator code -> children level
  std::set<std::string> marcados;         // "code/values" that show "lleno"
  std::set<std::string> nulos;            // "code/values" answered with Null
  std::vector<std::string> preguntas;
  bool condicionSinFila = false;

  std::string DarCaption(Variant& Codigo, dao::Recordset& rs) override {
    preguntas.push_back("DarCaption " + Codigo.ToString());
    return rs.Fields("Nombre").Value().ToString();
  }
  int32_t DarCondicion(Variant& Codigo, dao::Recordset& rs) override {
    preguntas.push_back("DarCondicion " + Codigo.ToString());
    condicionSinFila = !rs.IsOpen();
    return condiciones.at(Codigo.ToDouble());
  }
  Variant EsCheck(Variant& Codigo, std::vector<Variant>& ValoresCampo) override {
    std::string clave = Codigo.ToString();
    for (const Variant& v : ValoresCampo) clave += "/" + v.ToString();
    preguntas.push_back("EsCheck " + clave);
    if (nulos.count(clave) > 0) return Variant::Null();
    return marcados.count(clave) > 0;
  }
};
