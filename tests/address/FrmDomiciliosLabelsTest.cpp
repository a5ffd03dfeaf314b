// The address editor's access keys: every Alt+letter has one target, the
// option buttons keep theirs, and a host's own description keeps the slot's
// key where it has that letter.
#include <gtest/gtest.h>

#include <set>

#include "address/CampoDomicilio.h"
#include "address/FrmDomiciliosLabels.h"

namespace {

using L = FrmDomiciliosLabels;

// The letter after the '&' of each text (none: ' ').
std::vector<char> Keys(const std::vector<std::string>& texts) {
  std::vector<char> keys;
  for (const std::string& t : texts) {
    char key = ' ';
    for (size_t i = 0; i + 1 < t.size(); ++i) {
      if (t[i] == '&' && t[i + 1] != '&') {
        key = static_cast<char>(std::tolower(static_cast<unsigned char>(t[i + 1])));
        break;
      }
      if (t[i] == '&') ++i;
    }
    keys.push_back(key);
  }
  return keys;
}

TEST(FrmDomiciliosLabels, TheWindowsOwnLabelsAndOptionsShareNoKey) {
  std::vector<L::Target> targets = {{"&Fiscal", true, true}, {"&Otro", true, true}};
  for (int slot = 0; slot < campo::kCantidad; ++slot) {
    if (!L::Usual(slot).empty()) targets.push_back({L::Usual(slot), true, false});
  }
  const std::vector<std::string> texts = L::OneKeyEach(targets);
  std::set<char> seen;
  for (size_t k = 0; k < texts.size(); ++k) {
    EXPECT_EQ(texts[k], targets[k].text);  // nothing to move
    const char key = Keys(texts)[k];
    EXPECT_NE(key, ' ') << texts[k];
    EXPECT_TRUE(seen.insert(key).second) << texts[k];
  }
}

TEST(FrmDomiciliosLabels, AHostsTextKeepsTheKeyWhereItCanAndClashesMove) {
  EXPECT_EQ(L::WithKey(campo::kNumero, "Número:"), "&Número:");
  EXPECT_EQ(L::WithKey(campo::kFax, "Teléfono y fax:"), "Teléfono y fa&x:");
  EXPECT_EQ(L::WithKey(campo::kRuta, "Camino:"), "Camino:");  // no "u": no preference
  EXPECT_EQ(L::WithKey(campo::kCalle, "Calle && &Avenida:"), "Calle && &Avenida:");

  // The options keep F and O; "&Fax:" and "&Oficina:" take the next free
  // letter; a label without a key takes its first free letter; a hidden
  // target answers no key and takes none; "&&" stays a literal '&'.
  const std::vector<std::string> texts = L::OneKeyEach({
      {"&Fiscal", true, true},
      {"&Otro", true, true},
      {"&Fax:", true, false},
      {"&Oficina:", true, false},
      {"Camino:", true, false},
      {"&Calle:", false, false},
      {"C&&R:", true, false},
  });
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "&Fiscal", "&Otro", "F&ax:", "Of&icina:", "&Camino:", "&Calle:", "C&&&R:"}));
  // A hidden option leaves its letter to the labels.
  EXPECT_EQ(L::OneKeyEach({{"&Fiscal", false, true}, {"&Fax:", true, false}})[1], "&Fax:");
}

}  // namespace
