// A shared, ordered record of what the fakes were asked to do, for tests of call order.
#pragma once

#include <string>
#include <vector>

namespace duskfall::testing {

class CallLog {
 public:
  void Add(std::string entry) { entries_.push_back(std::move(entry)); }
  const std::vector<std::string>& Entries() const { return entries_; }
  void Clear() { entries_.clear(); }

 private:
  std::vector<std::string> entries_;
};

}  // namespace duskfall::testing
