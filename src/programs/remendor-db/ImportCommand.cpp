/*
** remendor-db import. See ImportCommand.h.
*/
#ifdef REMENDOR_IMPORT

#include "ImportCommand.h"

#include <algorithm>

#include "ToolCommands.h"
#include "common/StopRequest.h"
#include "dao/sql/JetErrors.h"
#include "jetimport/JetImport.h"

namespace {

class PrintedProgress : public jetimport::ImportProgress {
 public:
  explicit PrintedProgress(std::ostream& err) : err_(err) {}
  void RowsDone(const std::string& table, uint64_t rows, uint64_t declared) override {
    err_ << "remendor-db: '" << table << "': " << rows << " de " << declared << " filas"
         << std::endl;
  }
  void TableDone(const std::string& table, uint64_t rows, int index, int count) override {
    err_ << "remendor-db: tabla " << index << " de " << count << ", '" << table << "': " << rows
         << (rows == 1 ? " fila" : " filas") << std::endl;
  }
  void Note(const std::string& text) override {
    err_ << "remendor-db: aviso: " << text << std::endl;
  }

 private:
  std::ostream& err_;
};

std::string Counted(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string Summary(const jetimport::ImportOptions& o, const jetimport::ImportSummary& s) {
  std::string line = "Importadas " + std::to_string(s.tables) +
                     (s.tables == 1 ? " tabla y " : " tablas y ") + std::to_string(s.rows) +
                     (s.rows == 1 ? " fila" : " filas") + " de '" + o.source + "' (Jet " +
                     std::to_string(s.jetVersion) + ") en '" + o.target + "'";
  const jetimport::LeftBehind& l = s.leftBehind;
  std::string left;
  const std::pair<int, std::pair<const char*, const char*>> kinds[] = {
      {l.systemTables, {"tabla del sistema", "tablas del sistema"}},
      {l.queries, {"consulta", "consultas"}},
      {l.links, {"vínculo a otra base", "vínculos a otras bases"}},
      {l.forms, {"formulario", "formularios"}},
      {l.reports, {"informe", "informes"}},
      {l.macros, {"macro", "macros"}},
      {l.modules, {"módulo", "módulos"}},
      {l.relations, {"relación", "relaciones"}},
  };
  for (const auto& [n, names] : kinds) {
    if (n > 0) left += (left.empty() ? "" : ", ") + Counted(n, names.first, names.second);
  }
  if (!left.empty()) line += "; sin importar, por no ser datos: " + left;
  if (s.notes > 0) line += "; " + Counted(s.notes, "aviso", "avisos");
  return line + ".";
}

}  // namespace

int RunImport(DbTool& tool, const std::vector<std::string>& a, std::ostream& out,
              std::ostream& err) {
  if (a.size() < 2 || a[0].empty() || a[1].empty()) return kUsageError;
  jetimport::ImportOptions o;
  o.source = a[0];
  o.target = a[1];
  o.password = tool.Kolm().DarPWD().substr(5);
  bool tablesGiven = false, passwordGiven = false;
  for (size_t i = 2; i < a.size(); i++) {
    if (a[i] == "--replace" && !o.replace) {
      o.replace = true;
    } else if (a[i] == "--password" && !passwordGiven && i + 1 < a.size()) {
      o.password = a[++i];
      passwordGiven = true;
    } else if (a[i] == "--tables" && !tablesGiven && i + 1 < a.size()) {
      tablesGiven = true;
      const std::string& list = a[++i];
      for (size_t from = 0; from <= list.size();) {
        const size_t comma = std::min(list.find(',', from), list.size());
        if (comma == from) return kUsageError;
        o.tables.push_back(list.substr(from, comma - from));
        from = comma + 1;
      }
    } else {
      return kUsageError;
    }
  }
  if (o.password.find(';') != std::string::npos) Raise(dao::jeterr::msg::kPasswordWithSemicolon);
  // main turns the signals that end the program into a stop request; the
  // import then removes its unfinished file itself.
  o.stop = [] { return StopRequest::Pending(); };
  PrintedProgress progress(err);
  const jetimport::ImportSummary summary = jetimport::JetImport::Run(o, progress);
  out << Summary(o, summary) << '\n';
  return 0;
}

#endif
