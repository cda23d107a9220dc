// The main window's design table and what the builder makes of it: the idle state every start
// begins from.
#include <algorithm>
#include <set>

#include "app/design.h"
#include "unit/form1_harness.h"

namespace duskfall::testing {
namespace {

bool Overlap(const TwipsRect& a, const TwipsRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

TEST(FormDesign, BuilderBindsEveryNamedControlOnce) {
  Form1Harness h;
  std::set<const void*> distinct;
  for (const void* control :
       {static_cast<const void*>(h.c.CmdSaS[0]), static_cast<const void*>(h.c.CmdSaS[1]),
        static_cast<const void*>(h.c.TMCounter), static_cast<const void*>(h.c.TxtCount),
        static_cast<const void*>(h.c.DtTime), static_cast<const void*>(h.c.CmbFunction),
        static_cast<const void*>(h.c.Label1), static_cast<const void*>(h.c.LblSaS[0]),
        static_cast<const void*>(h.c.LblSaS[1]), static_cast<const void*>(h.c.LblSaS[2]),
        static_cast<const void*>(h.c.mpopabout), static_cast<const void*>(h.c.mpopdsk),
        static_cast<const void*>(h.c.mpoprestore), static_cast<const void*>(h.c.mpopexit)}) {
    ASSERT_NE(control, nullptr);
    distinct.insert(control);
  }
  EXPECT_EQ(distinct.size(), 14u);
  EXPECT_EQ(h.factory.created.size(), Form1ControlDesigns().size());
}

TEST(FormDesign, ArrayIndexesMatchTheirCaptions) {
  Form1Harness h;
  EXPECT_EQ(h.c.CmdSaS[0]->Text(), L"Set");
  EXPECT_EQ(h.c.CmdSaS[1]->Text(), L"Exit");
  EXPECT_EQ(h.c.LblSaS[0]->Text(), L"Mode");
  EXPECT_EQ(h.c.LblSaS[1]->Text(), L"Minutes");
  EXPECT_EQ(h.c.LblSaS[2]->Text(), L"Time");
  EXPECT_EQ(h.c.mpopabout->Text(), L"&About");
  EXPECT_EQ(h.c.mpopdsk->Text(), L"&Set Duskfall");
  EXPECT_EQ(h.c.mpoprestore->Text(), L"&Restore");
  EXPECT_EQ(h.c.mpopexit->Text(), L"&Exit");
}

TEST(FormDesign, IdleStateBeforeLoad) {
  Form1Harness h;
  EXPECT_EQ(h.c.TxtCount->Text(), L"1");
  EXPECT_FALSE(h.c.TxtCount->Enabled());
  EXPECT_FALSE(h.c.DtTime->Enabled());
  EXPECT_FALSE(h.c.LblSaS[1]->Enabled());
  EXPECT_FALSE(h.c.LblSaS[2]->Enabled());
  EXPECT_TRUE(h.c.LblSaS[0]->Enabled());
  EXPECT_TRUE(h.c.CmbFunction->Enabled());
  EXPECT_FALSE(h.factory.timer.Enabled());
  EXPECT_EQ(h.factory.timer.Interval(), 60000u);
  // Noon on the zero date: no date part, so it compares with the time of day alone.
  EXPECT_EQ(h.factory.picker.Value(), (DateTime{0, 12 * 3600}));
  EXPECT_EQ(h.c.Label1->Text().rfind(L"Caution: This program will automatically shut down", 0), 0u);
}

TEST(FormDesign, TabOrderRunsThroughTheInputsThenTheButtons) {
  std::vector<std::pair<int, std::wstring>> order;
  for (const ControlDesign& design : Form1ControlDesigns()) {
    if (design.kind == ControlKind::kTimer) continue;
    std::wstring name = design.name;
    if (design.index >= 0) name += std::to_wstring(design.index);
    order.emplace_back(design.tabIndex, name);
  }
  std::sort(order.begin(), order.end());
  std::vector<std::wstring> names;
  for (int i = 0; i < static_cast<int>(order.size()); ++i) {
    EXPECT_EQ(order[i].first, i) << "tab positions are a sequence without gaps";
    names.push_back(order[i].second);
  }
  EXPECT_EQ(names,
            (std::vector<std::wstring>{L"CmbFunction", L"DtTime", L"TxtCount", L"CmdSaS0",
                                       L"CmdSaS1", L"LblSaS0", L"LblSaS1", L"LblSaS2", L"Label1"}));
}

TEST(FormDesign, ControlsLieInsideTheClientAreaWithoutOverlapping) {
  const auto controls = Form1ControlDesigns();
  for (const ControlDesign& design : controls) {
    if (design.kind == ControlKind::kTimer) continue;
    const TwipsRect& r = design.position;
    EXPECT_GE(r.left, 0) << design.name;
    EXPECT_GE(r.top, 0) << design.name;
    EXPECT_LE(r.left + r.width, kForm1Design.clientWidthTwips) << design.name;
    EXPECT_LE(r.top + r.height, kForm1Design.clientHeightTwips) << design.name;
    for (const ControlDesign& other : controls) {
      if (&other == &design || other.kind == ControlKind::kTimer) continue;
      EXPECT_FALSE(Overlap(design.position, other.position))
          << design.name << design.index << " and " << other.name << other.index;
    }
  }
}

TEST(FormDesign, StartUpFillsTheModeListWithNoEntryChosen) {
  StartedHarness h;
  ASSERT_EQ(h.c.CmbFunction->ItemCount(), 3);
  EXPECT_EQ(h.c.CmbFunction->Item(0), L" ");
  EXPECT_EQ(h.c.CmbFunction->Item(1), L"Fixed Time");
  EXPECT_EQ(h.c.CmbFunction->Item(2), L"Relative Time");
  EXPECT_EQ(h.c.CmbFunction->Text(), L"");
}

}  // namespace
}  // namespace duskfall::testing
