// The barcode fonts as a user's programs see them: installed for a scratch
// user through InstalarFuente, picked by family name, drawn on the offscreen
// platform, and read back bar by bar into the encoded text.
//
// Qt reads the fontconfig list once, on first use: this test installs the
// fonts before anything in its process has drawn text (CTest runs each test
// in a process of its own; run alone, this file's tests come first).
#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/a_c_w.h"
#include "support/ScratchFontUser.h"

namespace {

// The published patterns, narrow/wide, bar first.
const std::map<std::string, char> kCode39 = {
    {"nnnwwnwnn", '0'}, {"wnnwnnnnw", '1'}, {"nnwwnnnnw", '2'}, {"wnwwnnnnn", '3'},
    {"nnnwwnnnw", '4'}, {"wnnwwnnnn", '5'}, {"nnwwwnnnn", '6'}, {"nnnwnnwnw", '7'},
    {"wnnwnnwnn", '8'}, {"nnwwnnwnn", '9'}, {"wnnnnwnnw", 'A'}, {"nnwnnwnnw", 'B'},
    {"wnwnnwnnn", 'C'}, {"nnnnwwnnw", 'D'}, {"wnnnwwnnn", 'E'}, {"nnwnwwnnn", 'F'},
    {"nnnnnwwnw", 'G'}, {"wnnnnwwnn", 'H'}, {"nnwnnwwnn", 'I'}, {"nnnnwwwnn", 'J'},
    {"wnnnnnnww", 'K'}, {"nnwnnnnww", 'L'}, {"wnwnnnnwn", 'M'}, {"nnnnwnnww", 'N'},
    {"wnnnwnnwn", 'O'}, {"nnwnwnnwn", 'P'}, {"nnnnnnwww", 'Q'}, {"wnnnnnwwn", 'R'},
    {"nnwnnnwwn", 'S'}, {"nnnnwnwwn", 'T'}, {"wwnnnnnnw", 'U'}, {"nwwnnnnnw", 'V'},
    {"wwwnnnnnn", 'W'}, {"nwnnwnnnw", 'X'}, {"wwnnwnnnn", 'Y'}, {"nwwnwnnnn", 'Z'},
    {"nwnnnnwnw", '-'}, {"wwnnnnwnn", '.'}, {"nwwnnnwnn", ' '}, {"nwnnwnwnn", '*'},
    {"nwnwnwnnn", '$'}, {"nwnwnnnwn", '/'}, {"nwnnnwnwn", '+'}, {"nnnwnwnwn", '%'},
};
const char* const kI25Digits[] = {"nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw",
                                  "wnwnn", "nwwnn", "nnnww", "wnnwn", "nwnwn"};

// The widths of the alternating dark and light runs across the middle of
// the bars, from the first dark pixel to the last.
std::vector<int> Runs(const QString& family, const QString& text, int pixelSize) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::NoFontMerging);
  const int width = QFontMetrics(font).horizontalAdvance(text) + 40;
  QImage image(width, pixelSize * 2, QImage::Format_Grayscale8);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(20, pixelSize * 3 / 2, text);
  }
  const int row = pixelSize * 3 / 2 - pixelSize / 3;
  std::vector<int> runs;
  bool dark = false;
  for (int x = 0; x < width; ++x) {
    const bool d = qGray(image.pixel(x, row)) < 128;
    if (runs.empty() && !d) continue;
    if (runs.empty() || d != dark) {
      runs.push_back(0);
      dark = d;
    }
    ++runs.back();
  }
  if (!runs.empty() && !dark) runs.pop_back();
  return runs;
}

// Each run as n(arrow) or w(ide), against the narrowest run.
std::string Widths(const std::vector<int>& runs) {
  int narrow = runs.empty() ? 1 : *std::min_element(runs.begin(), runs.end());
  std::string s;
  for (int r : runs) s += r > 2 * narrow ? 'w' : 'n';
  return s;
}

std::string DecodeCode39(const std::string& w) {
  std::string text;
  for (size_t i = 0; i + 9 <= w.size(); i += 10) {  // nine elements and the gap
    auto found = kCode39.find(w.substr(i, 9));
    text += found == kCode39.end() ? '?' : found->second;
  }
  return text;
}

std::string DecodeInterleaved25(const std::string& w) {
  if (w.size() < 7 || w.compare(0, 4, "nnnn") != 0 || w.compare(w.size() - 3, 3, "wnn") != 0) {
    return "(no start or stop)";
  }
  auto digit = [](const std::string& p) {
    const auto at = std::find(std::begin(kI25Digits), std::end(kI25Digits), p);
    return at == std::end(kI25Digits) ? '?' : static_cast<char>('0' + (at - kI25Digits));
  };
  std::string digits;
  for (size_t i = 4; i + 10 <= w.size() - 3; i += 10) {
    std::string bars, spaces;
    for (size_t k = 0; k < 10; k += 2) bars += w[i + k], spaces += w[i + k + 1];
    digits += digit(bars);
    digits += digit(spaces);
  }
  return digits;
}

// The font's text for a string of digits: one character per pair, between
// the start and stop characters.
QString EncodeInterleaved25(const std::string& digits) {
  QString text(QChar(203));
  for (size_t i = 0; i + 1 < digits.size(); i += 2) {
    const int pair = (digits[i] - '0') * 10 + (digits[i + 1] - '0');
    text += QChar(pair < 94 ? 33 + pair : 197 + pair - 94);
  }
  return text + QChar(204);
}

class BarcodeFontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* bin = std::getenv("REMENDOR_BIN_DIR");
    ASSERT_TRUE(bin && std::filesystem::exists(std::filesystem::path(bin) / "3of9.ttf"))
        << "the fonts are built beside the executables";
    a_c_w().InstalarFuente(bin, 1);
    a_c_w().InstalarFuente(bin, 2);
  }

  ScratchFontUser user;
};

}  // namespace

TEST_F(BarcodeFontTest, InstalledFontsPrintBarsThatReadBackAsTheText) {
  const QStringList families = QFontDatabase::families();
  ASSERT_TRUE(families.contains("3 of 9")) << families.join(", ").toStdString();
  ASSERT_TRUE(families.contains("Bar Code25 InterleaveTall"));
  EXPECT_EQ(QFontInfo(QFont("3 of 9")).family(), "3 of 9");
  // Every pair of digits: those from 94 on take the font's second range.
  std::string digits;
  for (int pair = 0; pair < 100; ++pair) {
    digits += std::to_string(pair / 10) + std::to_string(pair % 10);
  }
  for (int size : {48, 64, 97}) {
    const std::string code39 = "*REMENDOR-2026 $1.5/+%*";
    const std::string bars = Widths(Runs("3 of 9", QString::fromStdString(code39), size));
    EXPECT_EQ(DecodeCode39(bars), code39) << "size " << size << ": " << bars;
    // Lower case prints as upper case.
    EXPECT_EQ(DecodeCode39(Widths(Runs("3 of 9", "*remendor*", size))), "*REMENDOR*");
    const std::string i25 =
        Widths(Runs("Bar Code25 InterleaveTall", EncodeInterleaved25(digits), size));
    EXPECT_EQ(DecodeInterleaved25(i25), digits) << "size " << size << ": " << i25;
  }
}
