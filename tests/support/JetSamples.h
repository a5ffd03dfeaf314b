// The real Jet files of tests/data/jet (made by Access, see the README
// there). A test copies the ones it reads into its scratch folder, so that
// nothing it does can change the files of the tree.
#pragma once

#include <filesystem>
#include <string>

#include "support/TempDir.h"

// REMENDOR_TEST_DATA is tests/data, as tests/CMakeLists.txt defines it.
inline std::filesystem::path JetSampleFolder() {
  return std::filesystem::path(REMENDOR_TEST_DATA) / "jet";
}

// Copies tests/data/jet/<name> into `dir`; returns the copy's path.
inline std::string CopyJetSample(const TempDir& dir, const std::string& name) {
  const std::string copy = dir.File(name);
  std::filesystem::copy_file(JetSampleFolder() / name, copy,
                             std::filesystem::copy_options::overwrite_existing);
  return copy;
}
