// A console reporter that also keeps each benchmark's time per iteration,
// so that a benchmark program can print ratios against its baseline run in
// the same process. When a benchmark runs repeated, its median is used: a
// shared machine makes single runs too noisy to compare.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.iterations <= 0) continue;
      const double perIteration = r.real_accumulated_time / static_cast<double>(r.iterations);
      if (r.run_type == Run::RT_Iteration) {
        times_.try_emplace(r.run_name.function_name, perIteration);
      } else if (r.aggregate_name == "median") {
        times_[r.run_name.function_name] = perIteration;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Prints "name: ours / baseline = ratio (aim: at most `aim`)"; a ratio
  // without an aim (`aim` 0) is printed for information.
  void PrintRatio(const std::string& label, const std::string& ours, const std::string& baseline,
                  double aim) const {
    auto o = times_.find(ours), b = times_.find(baseline);
    if (o == times_.end() || b == times_.end() || b->second <= 0) return;
    double ratio = o->second / b->second;
    if (aim <= 0) {
      std::printf("%-40s %6.2fx  (for information)\n", label.c_str(), ratio);
      return;
    }
    std::printf("%-40s %6.2fx  (aim: at most %.2fx)%s\n", label.c_str(), ratio, aim,
                ratio <= aim ? "" : "  ABOVE AIM");
  }

 private:
  std::map<std::string, double> times_;
};
