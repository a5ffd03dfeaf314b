/*
** JetFileReader: the work of the reader process: reads a Jet file with
** MdbSource and sends what it finds as ReaderProtocol's messages.
**
** The catalog comes first; then each table asked for (every data table
** when none is named; a name is matched ignoring case, as Jet matches
** names), its definition, its rows in batches of a few hundred kilobytes,
** and its end; then Done. A failure is sent as an error message instead,
** and nothing follows it: an AppError with its own number and text, a lack
** of memory as 7, anything else as 3343.
*/
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace jetimport {

class JetFileReader {
 public:
  using Send = std::function<void(const std::string& message)>;

  static void Read(const std::string& path, const std::vector<std::string>& tables,
                   const Send& send);
};

}  // namespace jetimport
