#include "window/frm_time_layout.h"

#include <array>

namespace tellux {
namespace {

constexpr std::string_view kOptionTip = "This will select the timezone displayed in the titlebar";
constexpr std::string_view kTextTip = "A yellow background indicates Daylight Saving time";

constexpr std::array kLayout = {
    // The panel rows; row i's top is 330 * i.
    LayoutEntry{"Option1(0)", false, {0, 30, 195, 225}, 27, false, "Option1", kOptionTip, "Title bar zone 1"},
    LayoutEntry{"Text0", false, {240, 0, 825, 315}, 0, true, " ", kTextTip, "Time 1"},
    LayoutEntry{"UpDown(0)", false, {1080, 0, 240, 315}, 34, false, "", "", "Hour 1"},
    LayoutEntry{"ComboTZ(0)", false, {1350, 0, 4695, 315}, 4, true, "", "", "Zone 1"},
    LayoutEntry{"Option1(1)", false, {0, 360, 195, 225}, 28, false, "Option1", kOptionTip, "Title bar zone 2"},
    LayoutEntry{"Text1", false, {240, 330, 825, 315}, 1, true, " ", kTextTip, "Time 2"},
    LayoutEntry{"UpDown(1)", false, {1080, 330, 240, 315}, 33, false, "", "", "Hour 2"},
    LayoutEntry{"ComboTZ(1)", false, {1350, 330, 4695, 315}, 5, true, "", "", "Zone 2"},
    LayoutEntry{"Option1(2)", false, {0, 690, 195, 225}, 29, false, "Option1", kOptionTip, "Title bar zone 3"},
    LayoutEntry{"Text2", false, {240, 660, 825, 315}, 2, true, " ", kTextTip, "Time 3"},
    LayoutEntry{"UpDown(2)", false, {1080, 660, 240, 315}, 35, false, "", "", "Hour 3"},
    LayoutEntry{"ComboTZ(2)", false, {1350, 660, 4695, 315}, 6, true, "", "", "Zone 3"},
    LayoutEntry{"Option1(3)", false, {0, 1020, 195, 225}, 30, false, "Option1", kOptionTip, "Title bar zone 4"},
    LayoutEntry{"Text3", false, {240, 990, 825, 315}, 3, true, " ", kTextTip, "Time 4"},
    LayoutEntry{"UpDown(3)", false, {1080, 990, 240, 315}, 36, false, "", "", "Hour 4"},
    LayoutEntry{"ComboTZ(3)", false, {1350, 990, 4695, 315}, 7, true, "", "", "Zone 4"},
    // The information block, below the client area at the initial size.
    LayoutEntry{"Label2(0)", false, {240, 1530, 1095, 195}, 8, false, "Local Time:", "", "Local Time:"},
    LayoutEntry{"txtLocTime", false, {1440, 1500, 1515, 285}, 9, false, "", "", "Local Time"},
    LayoutEntry{"Label2(1)", false, {240, 1830, 975, 195}, 10, false, "System Time:", "", "System Time:"},
    LayoutEntry{"txtSysTime", false, {1440, 1770, 1515, 285}, 11, false, "", "", "System Time"},
    LayoutEntry{"Label2(2)", false, {240, 2130, 975, 195}, 12, false, "Adjustment:", "", "Adjustment:"},
    LayoutEntry{"txtAdjust", false, {1440, 2070, 1515, 285}, 13, false, "", "", "Adjustment"},
    LayoutEntry{"Frame1", false, {240, 2490, 3495, 2775}, 14, false, "Time Zone Info", "", "Time Zone Info"},
    LayoutEntry{"Label2(3)", true, {120, 420, 675, 195}, 18, false, "Time Diff.", "", "Time Diff."},
    LayoutEntry{"txtTZBias", true, {1260, 360, 1515, 285}, 16, false, "", "", "Time Diff."},
    LayoutEntry{"Label2(4)", true, {120, 720, 975, 195}, 17, false, "Zone Name:", "", "Zone Name:"},
    LayoutEntry{"txtTZName", true, {1260, 660, 2115, 285}, 15, false, "", "", "Zone Name"},
    LayoutEntry{"Label2(5)", true, {120, 1020, 1575, 195}, 19, false, "Savings Name:", "", "Savings Name:"},
    LayoutEntry{"txtTZSName", true, {1260, 960, 2115, 285}, 20, false, "", "", "Savings Name"},
    LayoutEntry{"Label2(6)", true, {150, 1500, 435, 195}, 31, false, "Time0", "", "Time0"},
    LayoutEntry{"txtTime(0)", true, {660, 1440, 1515, 285}, 23, false, "", "", "Time0"},
    LayoutEntry{"Label2(7)", true, {150, 1785, 435, 195}, 26, false, "Time1", "", "Time1"},
    LayoutEntry{"txtTime(1)", true, {660, 1740, 1515, 285}, 32, false, "", "", "Time1"},
    LayoutEntry{"Label2(8)", true, {150, 2085, 435, 195}, 25, false, "Time2", "", "Time2"},
    LayoutEntry{"txtTime(2)", true, {660, 2040, 1515, 285}, 22, false, "", "", "Time2"},
    LayoutEntry{"Label2(9)", true, {150, 2370, 435, 195}, 24, false, "Time3", "", "Time3"},
    LayoutEntry{"txtTime(3)", true, {660, 2340, 1515, 285}, 21, false, "", "", "Time3"},
};

}  // namespace

std::span<const LayoutEntry> FrmTimeLayout() { return kLayout; }

}  // namespace tellux
