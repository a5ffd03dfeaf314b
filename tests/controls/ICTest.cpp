// IC: the sort triangle that goes into a list's header, one record per
// column, as the header is sent it.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "controls/IC.h"
#include "controls/ICHeader.h"
#include "controls/ICListView.h"
#include "support/FakePicture.h"

namespace {

constexpr int32_t kLeft = HDITEM::HDF_STRING;
constexpr int32_t kTriangle = HDITEM::HDF_STRING | HDITEM::HDF_IMAGE;
constexpr int32_t kTriangleAfter = kTriangle | HDITEM::HDF_BITMAP_ON_RIGHT;

// A list as IC sees it, with a header that records what it is sent.
class FakeICListView : public ICListView, public ICHeader {
 public:
  int view = kReportView;
  std::vector<int> alignments;
  bool hasHeader = true;
  std::vector<std::shared_ptr<const Picture>> images;
  int headerRequests = 0;
  std::map<int, HDITEM> items;

  int View() const override { return view; }
  int ColumnCount() const override { return static_cast<int>(alignments.size()); }
  int ColumnAlignment(int index) const override { return alignments.at(index - 1); }
  ICHeader* Header() override {
    headerRequests++;
    return hasHeader ? this : nullptr;
  }
  void SetImageList(const std::vector<std::shared_ptr<const Picture>>& i) override { images = i; }
  void SetItem(int column, const HDITEM& item) override { items[column] = item; }
  // Each column's format and image, the only fields sent.
  std::vector<std::pair<int32_t, int32_t>> Sent() const {
    std::vector<std::pair<int32_t, int32_t>> v;
    for (const auto& [column, h] : items) {
      EXPECT_EQ(h, (HDITEM{.mask = 0x24, .fmt = h.fmt, .iImage = h.iImage}));
      v.emplace_back(h.fmt, h.iImage);
    }
    return v;
  }
};

using Sent = std::vector<std::pair<int32_t, int32_t>>;

}  // namespace

// A centred column is drawn left aligned in the header; a right-aligned
// one has the triangle before its caption.
TEST(IC, SendsOneRecordPerColumnWithTheTriangleOnTheSortColumn) {
  FakeICListView list;
  list.alignments = {0, 1, 2};
  IC ic;
  EXPECT_FALSE(ic.SetHeaderIcons(0, 0));  // no list yet
  const auto up = FakePicture::Of(16, 16);
  const auto down = FakePicture::Of(16, 16);
  ic.Cargar(up, down);
  ic.SetListView(&list);
  ASSERT_TRUE(ic.SetHeaderIcons(0, 0));
  EXPECT_EQ(list.images, (std::vector<std::shared_ptr<const Picture>>{up, down}));
  EXPECT_EQ(list.Sent(), (Sent{{kTriangleAfter, 0}, {kLeft | HDITEM::HDF_RIGHT, 0}, {kLeft, 0}}));
  ASSERT_TRUE(ic.SetHeaderIcons(1, 1));
  EXPECT_EQ(list.Sent(), (Sent{{kLeft, 1}, {kTriangle | HDITEM::HDF_RIGHT, 1}, {kLeft, 1}}));
  EXPECT_EQ(list.headerRequests, 1);
}

TEST(IC, DoesNothingOutsideReportViewOrWithoutAHeader) {
  FakeICListView list;
  list.alignments = {0};
  list.view = 1;
  IC ic;
  ic.SetListView(&list);
  EXPECT_FALSE(ic.SetHeaderIcons(0, 0));
  EXPECT_TRUE(list.items.empty());
  EXPECT_EQ(list.headerRequests, 0);

  list.view = ICListView::kReportView;
  list.hasHeader = false;
  EXPECT_FALSE(ic.SetHeaderIcons(0, 0));
  // The header is asked for again until one is found, then kept.
  list.hasHeader = true;
  EXPECT_TRUE(ic.SetHeaderIcons(0, 0));
  EXPECT_TRUE(ic.SetHeaderIcons(0, 1));
  EXPECT_EQ(list.headerRequests, 2);
}
