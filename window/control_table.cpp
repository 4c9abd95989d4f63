#include "control_table.h"

#include <algorithm>
#include <stdexcept>

#include "messages.h"

using enum ControlKind;
using enum Initially;

// Fourteen ASCII spaces stand between the caption and its unit.
const std::array<ControlRow, 20> kControlTable = {{
    {"Frame1", Frame, "Form1", 30, -60, 2505, 3495, 2, "", Enabled},
    {"Option3", OptionButton, "Frame1", 90, 930, 2205, 195, 7, "③ 前景画像サイズ変更", NotSelected},
    {"Command2", PushButton, "Frame1", 1950, 540, 345, 255, 6, "...", Disabled},
    {"Option2", OptionButton, "Frame1", 90, 600, 1845, 195, 5, "② 前景画像の取得", NotSelected},
    {"Command1", PushButton, "Frame1", 1950, 210, 345, 255, 4, "...", Enabled},
    {"Option1", OptionButton, "Frame1", 90, 270, 1845, 195, 3, "① 背景画像の取得", Selected},
    {"Frame2", Frame, "Frame1", 90, 1080, 2325, 2325, 9, "", Enabled},
    {"Command3", PushButton, "Frame2", 90, 1800, 2145, 345, 16, "変  更", Disabled},
    {"Text2", TextBox, "Frame2", 1440, 1080, 795, 270, 13, "", Disabled},
    {"Text1", TextBox, "Frame2", 1440, 300, 795, 270, 11, "", Disabled},
    {"Label4", Label, "Frame2", 90, 1020, 1305, 375, 15, "前景距離              （単位：mm）",
     Plain},
    {"Label3", Label, "Frame2", 90, 1410, 2145, 225, 14, ScaleResetText, Plain},
    {"Label2", Label, "Frame2", 90, 630, 2145, 225, 12, ScaleResetText, Plain},
    {"Label6", Label, "Frame2", 90, 240, 1305, 375, 10, "背景距離              （単位：mm）",
     Plain},
    {"Picture2", PictureBox, "Form1", 8040, 6000, 945, 615, 1, "", Hidden},
    {"Picture1", PictureBox, "Form1", 2550, 30, 7000, 7000, 0, "", Plain},
    {"CommonDialog1", FileDialog, "Picture1", 0, 0, 0, 0, -1, "", Hidden},
    {"Line1", Line, "Picture1", 0, 0, 0, 0, -1, "", Plain},
    {"Image1", Image, "Picture1", 870, 840, 1275, 765, -1, "", Plain},
    {"Label1", Label, "Form1", 30, 3480, 2505, 1095, 8, "", Plain},
}};

const ControlRow& controlRow(std::string_view name) {
    const auto row = std::find_if(kControlTable.begin(), kControlTable.end(),
                                  [name](const ControlRow& r) { return r.name == name; });
    if (row == kControlTable.end()) throw std::out_of_range("no such control");
    return *row;
}
