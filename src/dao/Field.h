/*
** Field: one column of a record set or of a table definition.
**
** A record-set field reads and writes the current row of its record set;
** writing is allowed between AddNew or Edit and Update, as in DAO. A
** table-definition field only describes the column (Name, Type, Size).
** A Field is a light handle: copies refer to the same record set.
*/
#pragma once

#include <memory>
#include <string>

#include "common/Variant.h"
#include "dao/RecordsetRef.h"

namespace dao {

class Field {
 public:
  Field(std::string name, int type, int size, int precision = 0, int scale = 0)
      : column_(
            std::make_shared<const Column>(Column{std::move(name), type, size, precision, scale})) {
  }
  // Copied, never emptied by a move: a field moved from still answers.
  Field(const Field&) = default;
  Field& operator=(const Field&) = default;

  const std::string& Name() const;
  int Type() const;  // dbText, dbLong, ... (JetTypes.h); 0 for an untyped expression
  int Size() const;
  // A dbDecimal field's digits in all and after the point; 0 for others.
  int Precision() const;
  int Scale() const;

  // The current row's value, with the subtype of the column's type, Null
  // when empty. 3021 without a current row; 3420 on a closed record set.
  Variant Value() const;

  // Sets the value of the row being added or edited; the value is converted
  // to the column's type (3421 when it cannot be). 3020 outside AddNew/Edit;
  // 3027 on a read-only record set; 3163 for text longer than the column.
  void SetValue(const Variant& value);

 private:
  friend class Recordset;
  // A table-definition field's description, shared by its copies.
  struct Column {
    std::string name;
    int type;
    int size;
    int precision;
    int scale;
  };

  // A record-set field reads its name and type from the record set, so that
  // reaching a field in a walk makes no more than a reference and a number.
  Field(RecordsetRef rs, int index) : rs_(std::move(rs)), index_(index) {}

  RecordsetRef rs_;
  int index_ = -1;
  std::shared_ptr<const Column> column_;  // a table-definition field's
};

}  // namespace dao
