#include "app/form_builder.h"

#include <cwchar>
#include <string_view>
#include <vector>

namespace duskfall {

namespace {

void ApplyInitialState(Control& control, const ControlDesign& design) {
  if (design.text != TextId::kNone) control.SetText(Text(design.text));
  control.SetEnabled(design.enabled);
}

bool Is(const ControlDesign& design, std::wstring_view name) { return design.name == name; }

}  // namespace

Form1Controls BuildForm1(ControlFactory& factory) {
  Form1Controls controls;
  // In the tab order, each label before its input: a window places each new control behind
  // the ones before it, so the order needs no second pass. The timer, in no tab order, last.
  std::vector<const ControlDesign*> order = Form1ZOrder();
  for (const ControlDesign& design : Form1ControlDesigns()) {
    if (design.tabIndex < 0) order.push_back(&design);
  }
  for (const ControlDesign* placed : order) {
    const ControlDesign& design = *placed;
    switch (design.kind) {
      case ControlKind::kButton: {
        Control& button = factory.CreateButton(design);
        ApplyInitialState(button, design);
        controls.CmdSaS.at(design.index) = &button;
        break;
      }
      case ControlKind::kLabel: {
        Control& label = factory.CreateLabel(design);
        ApplyInitialState(label, design);
        if (Is(design, L"Label1")) {
          controls.Label1 = &label;
        } else {
          controls.LblSaS.at(design.index) = &label;
        }
        break;
      }
      case ControlKind::kTextBox: {
        controls.TxtCount = &factory.CreateTextBox(design);
        controls.TxtCount->SetText(kInitialMinutes);
        controls.TxtCount->SetEnabled(design.enabled);
        break;
      }
      case ControlKind::kTimePicker: {
        controls.DtTime = &factory.CreateTimePicker(design);
        controls.DtTime->SetValue(kInitialPickerValue);
        controls.DtTime->SetEnabled(design.enabled);
        break;
      }
      case ControlKind::kList: {
        controls.CmbFunction = &factory.CreateList(design);
        controls.CmbFunction->SetEnabled(design.enabled);
        break;
      }
      case ControlKind::kTimer: {
        controls.TMCounter = &factory.CreateTimer(design);
        controls.TMCounter->SetInterval(kInitialTimerInterval);
        controls.TMCounter->SetEnabled(design.enabled);
        break;
      }
    }
  }
  for (const MenuItemDesign& item : TrayMenuItems()) {
    Control& menuItem = factory.CreateMenuItem(item);
    menuItem.SetText(Text(item.caption));
    const std::wstring_view name = item.name;
    if (name == L"mpopabout") controls.mpopabout = &menuItem;
    if (name == L"mpopdsk") controls.mpopdsk = &menuItem;
    if (name == L"mpoprestore") controls.mpoprestore = &menuItem;
    if (name == L"mpopexit") controls.mpopexit = &menuItem;
  }
  return controls;
}

}  // namespace duskfall
