/*
** Jet's aggregates. See JetAggregateFunctions.h.
*/
#include "dao/functions/JetAggregateFunctions.h"

#include "dao/functions/JetTypes.h"

namespace dao {

namespace {

// First and Last: the value of the first or last row of the group.
template <bool kLast>
class Kept : public JetAccumulator {
 public:
  void Step(const JetArgs& args) override {
    if (has_ && !kLast) return;
    value_ = args.Copy(0);
    has_ = true;
  }
  JetValue Final() override { return value_; }

  static std::unique_ptr<JetAccumulator> Make() { return std::make_unique<Kept>(); }

 private:
  bool has_ = false;
  JetValue value_;
};

constexpr JetFunction kRows[] = {
    Provided("Count", "count", 1, 1, true).Returns(dbLong),
    Provided("Sum", "jet_sum", 1, 1, true).Follows(JetResultRule::Total),
    Provided("Avg", "avg", 1, 1, true).Follows(JetResultRule::Total),
    Provided("Min", "min", 1, 1, true).Follows(JetResultRule::Argument),
    Provided("Max", "max", 1, 1, true).Follows(JetResultRule::Argument),
    // Their result depends on the order the rows come in.
    Aggregate("First", "jet_first", Kept<false>::Make).Follows(JetResultRule::Argument).Volatile(),
    Aggregate("Last", "jet_last", Kept<true>::Make).Follows(JetResultRule::Argument).Volatile(),
};

}  // namespace

std::span<const JetFunction> JetAggregateFunctions() {
  return kRows;
}

}  // namespace dao
