// Shared helpers of the engine tests.
#pragma once

#include <functional>
#include <string>

#include "common/AppError.h"
#include "host/dao/DBEngine.h"

namespace enginetest {

inline const std::string kPassword = "wePlorKadviM";
inline const std::string kConnect = ";PWD=" + kPassword;

// The number of the AppError that `f` raises; 0 when it raises none.
inline int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const AppError& e) {
    return e.Number();
  }
  return 0;
}

inline long Scalar(dao::Database& db, const std::string& query) {
  dao::Recordset rs = db.OpenRecordset(query, dao::dbOpenSnapshot);
  return rs.Fields(0).Value().ToLong();
}

}  // namespace enginetest
