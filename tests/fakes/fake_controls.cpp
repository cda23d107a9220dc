#include "fakes/fake_controls.h"

#include <algorithm>

namespace duskfall::testing {

void FakeList::SetText(const std::wstring& text) {
  const bool listed = std::find(items_.begin(), items_.end(), text) != items_.end();
  text_ = listed ? text : L"";
}

void FakeList::Clear() {
  items_.clear();
  text_.clear();
  if (log_ != nullptr) log_->Add("CmbFunction.Clear");
}

void FakeList::AddItem(const std::wstring& item) {
  items_.push_back(item);
  if (log_ != nullptr) log_->Add("CmbFunction.AddItem " + std::string(item.begin(), item.end()));
}

void FakeWindow::Load() {
  loaded_ = true;
  ++loads;
  Log("Load");
  if (onLoad) onLoad();
}

void FakeWindow::Show() {
  visible_ = true;
  Log("Show");
}

void FakeWindow::Hide() {
  visible_ = false;
  Log("Hide");
}

void FakeWindow::Unload() {
  if (!loaded_) return;
  bool cancel = false;
  if (onUnload) onUnload(cancel);
  if (cancel) return;
  Log("Unload");
  loaded_ = false;
  visible_ = false;
}

void FakeWindow::SetState(WindowState state) {
  state_ = state;
  Log("SetState " + std::to_string(static_cast<int>(state)));
}

bool FakeWindow::SetForeground() {
  foreground = true;
  Log("SetForeground");
  return true;
}

Control& FakeControlFactory::CreateMenuItem(const MenuItemDesign& design) {
  const std::wstring name = design.name;
  return *controls_.emplace_back(
      std::make_unique<FakeControl>(std::string(name.begin(), name.end()), log_));
}

Control& FakeControlFactory::Make(const ControlDesign& design) {
  created.push_back(&design);
  std::wstring wide = design.name;
  std::string name(wide.begin(), wide.end());
  if (design.index >= 0) name += "(" + std::to_string(design.index) + ")";
  return *controls_.emplace_back(std::make_unique<FakeControl>(name, log_));
}

}  // namespace duskfall::testing
