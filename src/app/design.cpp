#include "app/design.h"

#include <algorithm>
#include <array>
#include <cwchar>

namespace duskfall {

const FormDesign kForm1Design{L"Qorvelix Duskfall", 5100, 2655};

namespace {

// Creation order. Positions: left, top, width, height in twips.
constexpr std::array<ControlDesign, 10> kControls{{
    {L"CmdSaS",
     ControlKind::kButton,
     1,
     TextId::kCaptionExit,
     TextId::kTooltipExit,
     {2880, 2040, 1935, 495},
     4,
     true},
    {L"CmdSaS",
     ControlKind::kButton,
     0,
     TextId::kCaptionSet,
     TextId::kTooltipSetCancel,
     {240, 2040, 1935, 495},
     3,
     true},
    {L"TMCounter", ControlKind::kTimer, -1, TextId::kNone, TextId::kNone, {0, 0, 0, 0}, -1, false},
    {L"TxtCount",
     ControlKind::kTextBox,
     -1,
     TextId::kNone,
     TextId::kTooltipMinutes,
     {3480, 840, 1215, 375},
     2,
     false},
    // Disabled until "Fixed Time" is chosen, like the other mode inputs.
    {L"DtTime",
     ControlKind::kTimePicker,
     -1,
     TextId::kNone,
     TextId::kTooltipTime,
     {1200, 840, 1335, 375},
     1,
     false},
    {L"CmbFunction",
     ControlKind::kList,
     -1,
     TextId::kNone,
     TextId::kTooltipFunction,
     {1200, 240, 3495, 315},
     0,
     true},
    {L"Label1",
     ControlKind::kLabel,
     -1,
     TextId::kCaution,
     TextId::kNone,
     {360, 1320, 4335, 615},
     8,
     true},
    // "Time" and "Mode" reach up to their inputs, so that longer words ("Modalità", "Godzina")
    // are not cut; the text is left-aligned, so the window looks as before in English.
    {L"LblSaS",
     ControlKind::kLabel,
     2,
     TextId::kLabelTime,
     TextId::kNone,
     {240, 960, 900, 255},
     7,
     false},
    {L"LblSaS",
     ControlKind::kLabel,
     1,
     TextId::kLabelMinutes,
     TextId::kNone,
     {2640, 960, 735, 255},
     6,
     false},
    {L"LblSaS",
     ControlKind::kLabel,
     0,
     TextId::kLabelMode,
     TextId::kNone,
     {240, 360, 900, 255},
     5,
     true},
}};

constexpr std::array<MenuItemDesign, 4> kMenuItems{{
    {L"mpopabout", TextId::kMenuAbout},
    {L"mpopdsk", TextId::kMenuSetDuskfall},
    {L"mpoprestore", TextId::kMenuRestore},
    {L"mpopexit", TextId::kMenuExit},
}};

struct InputLabel {
  int labelIndex;  // of LblSaS
  const wchar_t* input;
};
constexpr std::array<InputLabel, 3> kInputLabels{{
    {0, L"CmbFunction"},
    {2, L"DtTime"},
    {1, L"TxtCount"},
}};

}  // namespace

const wchar_t* const kTrayMenuCaption = L"&sysTray";

std::span<const ControlDesign> Form1ControlDesigns() { return kControls; }

std::span<const MenuItemDesign> TrayMenuItems() { return kMenuItems; }

const ControlDesign* FindControl(const wchar_t* name, int index) {
  for (const ControlDesign& design : kControls) {
    if (std::wcscmp(design.name, name) == 0 && design.index == index) return &design;
  }
  return nullptr;
}

std::vector<const ControlDesign*> Form1ZOrder() {
  std::vector<const ControlDesign*> byTab;
  for (const ControlDesign& design : kControls) {
    if (design.tabIndex >= 0) byTab.push_back(&design);
  }
  std::sort(byTab.begin(), byTab.end(), [](const ControlDesign* a, const ControlDesign* b) {
    return a->tabIndex < b->tabIndex;
  });
  auto labelOf = [](const ControlDesign& input) -> const ControlDesign* {
    for (const InputLabel& pair : kInputLabels) {
      if (std::wcscmp(pair.input, input.name) == 0) return FindControl(L"LblSaS", pair.labelIndex);
    }
    return nullptr;
  };
  std::vector<const ControlDesign*> order;
  for (const ControlDesign* design : byTab) {
    if (std::wcscmp(design->name, L"LblSaS") == 0) continue;  // placed with its input
    if (const ControlDesign* label = labelOf(*design)) order.push_back(label);
    order.push_back(design);
  }
  return order;
}

}  // namespace duskfall
