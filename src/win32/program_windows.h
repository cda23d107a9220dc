// Counts the program's loaded windows: the process ends when none is left.
#pragma once

namespace duskfall {

class ProgramWindows {
 public:
  void Opened() { ++count_; }
  void Closed() { --count_; }
  bool NoneLoaded() const { return count_ == 0; }

 private:
  int count_ = 0;
};

}  // namespace duskfall
