// Shared helpers of the engine tests.
#pragma once

#include <functional>
#include <string>

#include "common/AppError.h"
#include "dao/DBEngine.h"
#include "support/ErrorOf.h"

namespace enginetest {

inline const std::string kPassword = "wePlorKadviM";
inline const std::string kConnect = ";PWD=" + kPassword;

using ::ErrorOf;

inline long Scalar(dao::Database& db, const std::string& query) {
  dao::Recordset rs = db.OpenRecordset(query, dao::dbOpenSnapshot);
  return rs.Fields(0).Value().ToLong();
}

}  // namespace enginetest
