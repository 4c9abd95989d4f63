// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_table.h"

#include <algorithm>
#include <stdexcept>

#include "messages.h"

using enum ControlKind;
using enum Initially;

// Fourteen ASCII spaces stand between the caption and its unit.
const std::array<ControlRow, 20> kControlTable = {{
    {"Frame1", Frame, "Form1", 30, -60, 2505, 3495, 2, "", Enabled, "", Look::Plain,
     Placement::InContainer},
    {"Option3", OptionButton, "Frame1", 90, 930, 2205, 195, 7, "③ 前景画像サイズ変更", NotSelected,
     "", Look::Plain, Placement::InContainer},
    {"Command2", PushButton, "Frame1", 1950, 540, 345, 255, 6, "...", Disabled, "前景画像を開く",
     Look::Plain, Placement::InContainer},
    {"Option2", OptionButton, "Frame1", 90, 600, 1845, 195, 5, "② 前景画像の取得", NotSelected, "",
     Look::Plain, Placement::InContainer},
    {"Command1", PushButton, "Frame1", 1950, 210, 345, 255, 4, "...", Enabled, "背景画像を開く",
     Look::Plain, Placement::InContainer},
    {"Option1", OptionButton, "Frame1", 90, 270, 1845, 195, 3, "① 背景画像の取得", Selected, "",
     Look::Plain, Placement::InContainer},
    {"Frame2", Frame, "Frame1", 90, 1080, 2325, 2325, 9, "", Enabled, "", Look::Plain,
     Placement::InContainer},
    {"Command3", PushButton, "Frame2", 90, 1800, 2145, 345, 16, "変  更", Disabled, "", Look::Plain,
     Placement::InContainer},
    {"Text2", TextBox, "Frame2", 1440, 1080, 795, 270, 13, "", Disabled, "前景距離（mm）",
     Look::Plain, Placement::InContainer},
    {"Text1", TextBox, "Frame2", 1440, 300, 795, 270, 11, "", Disabled, "背景距離（mm）",
     Look::Plain, Placement::InContainer},
    {"Label4", Label, "Frame2", 90, 1020, 1305, 375, 15, "前景距離              （単位：mm）",
     Plain, "", Look::Plain, Placement::InContainer},
    {"Label3", Label, "Frame2", 90, 1410, 2145, 225, 14, ScaleResetText, Plain, "", Look::Readout,
     Placement::InContainer},
    {"Label2", Label, "Frame2", 90, 630, 2145, 225, 12, ScaleResetText, Plain, "", Look::Readout,
     Placement::InContainer},
    {"Label6", Label, "Frame2", 90, 240, 1305, 375, 10, "背景距離              （単位：mm）", Plain,
     "", Look::Plain, Placement::InContainer},
    {"Picture2", PictureBox, "Form1", 8040, 6000, 945, 615, 1, "", Hidden, "", Look::Plain,
     Placement::InContainer},
    {"Picture1", PictureBox, "Form1", 2550, 30, 7000, 7000, 0, "", Plain, "背景画像", Look::Plain,
     Placement::OnPicturePlane},
    {"CommonDialog1", FileDialog, "Picture1", 0, 0, 0, 0, -1, "", Hidden, "", Look::Plain,
     Placement::InContainer},
    {"Line1", Line, "Picture1", 0, 0, 0, 0, -1, "", Plain, "", Look::Plain, Placement::InContainer},
    {"Image1", Image, "Picture1", 870, 840, 1275, 765, -1, "", Plain, "前景画像", Look::Plain,
     Placement::InContainer},
    {"Label1", Label, "Form1", 30, 3480, 2505, 1095, 8, "", Plain, "", Look::Plain,
     Placement::InContainer},
}};

const ControlRow& controlRow(std::string_view name) {
    const auto row = std::find_if(kControlTable.begin(), kControlTable.end(),
                                  [name](const ControlRow& r) { return r.name == name; });
    if (row == kControlTable.end()) throw std::out_of_range("no such control");
    return *row;
}
