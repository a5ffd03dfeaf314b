/*
** ImportProgress: what an import tells while it works, for a front end to
** show: each table as it starts and ends, the rows of a large table as
** they go in (every kRowStep rows), and notes on what is kept differently
** or left out. The defaults do nothing.
*/
#pragma once

#include <cstdint>
#include <string>

namespace jetimport {

class ImportProgress {
 public:
  static constexpr uint64_t kRowStep = 50000;

  virtual ~ImportProgress() = default;
  // `index` counts from 1 up to `count` tables.
  virtual void TableStarted(const std::string& /*table*/, uint64_t /*declaredRows*/, int /*index*/,
                            int /*count*/) {}
  virtual void RowsDone(const std::string& /*table*/, uint64_t /*rows*/,
                        uint64_t /*declaredRows*/) {}
  virtual void TableDone(const std::string& /*table*/, uint64_t /*rows*/, int /*index*/,
                         int /*count*/) {}
  virtual void Note(const std::string& /*text*/) {}
};

}  // namespace jetimport
