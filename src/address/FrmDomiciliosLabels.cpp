/*
** The address editor's labels and keys. See FrmDomiciliosLabels.h.
*/
#include "address/FrmDomiciliosLabels.h"

#include <array>
#include <optional>
#include <utility>

#include "address/CampoDomicilio.h"

namespace {

constexpr std::pair<int, const char*> kUsual[] = {
    {campo::kCalle, "&Calle:"},
    {campo::kNumero, "&Nro:"},
    {campo::kRuta, "R&uta:"},
    {campo::kKm, "&Km:"},
    {campo::kTorre, "To&rre:"},
    {campo::kPiso, "P&iso:"},
    {campo::kDepto, "&Depto /Oficina:"},
    {campo::kManzana, "&Manzana:"},
    {campo::kPartido, "P&artido:"},
    {campo::kLocalidad, "&Localidad:"},
    {campo::kCodigoPostal, "Códi&go Postal:"},
    {campo::kProvincia, FrmDomiciliosLabels::kProvincia},
    {campo::kTelefono, "&Teléfono:"},
    {campo::kFax, "Fa&x:"},
    {campo::kEMail, "&E-Mail:"},
    {campo::kObservaciones, "O&bservaciones:"},
};

// Access keys are the letters a to z; UTF-8 bytes of other characters are
// never one.
bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A label's text without its marks, and where its key is in that text.
struct Marked {
  std::string plain;
  std::optional<size_t> key;
};

Marked Read(const std::string& text) {
  Marked m;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != '&' && !m.key) m.key = m.plain.size();
    }
    m.plain += text[i];
  }
  if (m.key && !IsLetter(m.plain[*m.key])) m.key.reset();
  return m;
}

std::string Write(const std::string& plain, std::optional<size_t> key) {
  std::string text;
  for (size_t i = 0; i < plain.size(); ++i) {
    if (key && i == *key) text += '&';
    if (plain[i] == '&') text += '&';
    text += plain[i];
  }
  return text;
}

}  // namespace

std::string FrmDomiciliosLabels::Usual(int slot) {
  for (const auto& [s, label] : kUsual) {
    if (s == slot) return label;
  }
  return std::string();
}

std::string FrmDomiciliosLabels::WithKey(int slot, const std::string& text) {
  const std::string usual = Usual(slot);
  if (usual.empty() || text.find('&') != std::string::npos) return text;
  const Marked u = Read(usual);
  const char key = Lower(u.plain[*u.key]);
  for (size_t i = 0; i < text.size(); ++i) {
    if (Lower(text[i]) == key) return text.substr(0, i) + '&' + text.substr(i);
  }
  return text;
}

std::vector<std::string> FrmDomiciliosLabels::OneKeyEach(const std::vector<Target>& targets) {
  std::vector<Marked> marked;
  for (const Target& t : targets) marked.push_back(Read(t.text));
  std::array<bool, 26> taken{};
  const auto free = [&](const Marked& m, size_t i) {
    return IsLetter(m.plain[i]) && !taken[static_cast<size_t>(Lower(m.plain[i]) - 'a')];
  };
  const auto take = [&](const Marked& m, size_t i) {
    taken[static_cast<size_t>(Lower(m.plain[i]) - 'a')] = true;
  };
  std::vector<std::optional<size_t>> keys(targets.size());
  std::vector<bool> settled(targets.size(), false);
  // The system's texts first, then the keys the labels prefer, in order.
  for (bool fixed : {true, false}) {
    for (size_t k = 0; k < targets.size(); ++k) {
      const Marked& m = marked[k];
      if (!targets[k].visible || targets[k].fixed != fixed || !m.key) continue;
      if (fixed || free(m, *m.key)) {
        take(m, *m.key);
        keys[k] = m.key;
        settled[k] = true;
      }
    }
  }
  for (size_t k = 0; k < targets.size(); ++k) {
    const Marked& m = marked[k];
    if (!targets[k].visible) keys[k] = m.key;
    if (!targets[k].visible || settled[k]) continue;
    for (size_t i = 0; i < m.plain.size(); ++i) {
      if (free(m, i)) {
        take(m, i);
        keys[k] = i;
        break;
      }
    }
  }
  std::vector<std::string> texts;
  for (size_t k = 0; k < targets.size(); ++k) texts.push_back(Write(marked[k].plain, keys[k]));
  return texts;
}
