// The main window as control models, named as the worksheet's behaviour names them.
// Control arrays are std::arrays addressed by index (Text9[0] is "Span Length").
// Design-time texts and visibility are set here; start-up lays out the grids.
#pragma once

#include <array>
#include <string>

#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/picture_box.h"

namespace cn3 {

// Main pages (SSTab1) and family tabs (SSTab2).
namespace page {
inline constexpr int kProjectId = 0, kCables = 1, kSagTension = 2, kNescResults = 3,
                     kFilesPrint = 4, kHelp = 5, kExit = 6;
}
namespace family {
inline constexpr int kStrand = 0, kK5 = 1, kLX = 2, kFiber = 3, kDrop = 4, kUserDefined = 5;
}

// The common file dialog of the main window.
struct FileDialogState {
    std::string startFolder;
    std::string filter;
    std::string fileName;
};

class MainForm {
  public:
    MainForm();

    ui::Label Title;  // the window title (its caption)

    ui::TabStrip SSTab1{
        {"Project ID", "Cables", "Sag / Tension", "Nesc Results", "Files/Print", "Help", "EXIT"}};
    ui::TabStrip SSTab2{{"Strand", "K5", "LX", "Fiber", "Drop", "User Defined"}};

    // "Project ID"
    ui::Frame Frame7;
    ui::TextBox Text1, Text2, Text3, Text4;  // name, date, span id, notes
    ui::Label Label7{"Name:"}, Label8{"Date:"}, Label9{"Span ID:"}, Label10{"Notes:"};

    // "Cables"
    ui::Grid Grid1;  // catalogue
    ui::Grid Grid2;  // selected cables, last row the bundle row
    ui::Label Label6{
        "Click on any cable above to select. You can remove any selection by clicking on it "
        "under 'SELECTED CABLES'.."};
    std::array<ui::Label, 6> Label2;  // captions of the span entries and of Text5
    ui::TextBox Text5;                // manual bundle diameter
    std::array<ui::TextBox, 5>
        Text9;  // span entries: length, sag, point distance, clearance, creep
    ui::Button Command3{"View Bundle Plot"};
    ui::Button Command1{"Create/Modify User Defined"};
    ui::PictureBox Picture1;  // the user-defined editing panel; visible = editing mode
    ui::Button Command4{"Close"};

    // "Sag / Tension"
    ui::OptionGroup Option1{{"Absolute", "Percent"}, 0};
    ui::Label Label1;  // installed-temperature caption
    ui::ScrollBar HScroll1;
    ui::Frame Frame3{"TENSION RESULTS"};
    ui::Label Label4;  // results text
    ui::CheckBox Check2{"Show 'Effect of Temperature Change'"};
    ui::Grid GridTemp;
    // Sag, tension and clearance against temperature, shown with GridTemp.
    ui::PictureBox TemperatureChart;
    // Opens the "Pole Line" window: a strand run of many spans strung with this worksheet.
    ui::Button PoleLineButton{"Pole &Line..."};

    // "Nesc Results"
    ui::PictureBox Picture3;
    ui::Button Command5{"Set Ice / Wind Load"};
    ui::Frame Frame1{"Options"};
    std::array<ui::CheckBox, 2> Check1{ui::CheckBox{"Show Pt of Interest Distance"},
                                       ui::CheckBox{"Show Vector Analysis"}};
    // Under the loading table: the usable-load check line and the span's profile.
    ui::PictureBox SpanProfile;

    // "Files/Print"
    ui::Frame Frame2{"Files"};
    std::array<ui::Button, 5> Command6{ui::Button{"Open"}, ui::Button{"Save"}, ui::Button{"SaveAs"},
                                       ui::Button{"Report"}, ui::Button{"Cable List"}};
    ui::Frame Frame4{"Print"};
    std::array<ui::CheckBox, 6> Check5{ui::CheckBox{"Strand"}, ui::CheckBox{"K5"},
                                       ui::CheckBox{"LX"},     ui::CheckBox{"Fiber"},
                                       ui::CheckBox{"Drop"},   ui::CheckBox{"User Defined"}};
    ui::CheckBox Check4{"Show 'Effect of Temperature Change'"};
    ui::CheckBox Check3{"Show NESC Results"};
    // The report's second page: the temperature chart, the span profile and the check line.
    ui::CheckBox ShowCharts{"Show Charts"};

    // "Help"
    ui::ListBox List1;
    ui::Button Command2{"Print"};

    FileDialogState CommonDialog1;

    // The window's status bar: a message about the shown results (empty when they are those
    // of the current entries) and, kept at its right, the name of the current span file.
    ui::Label StatusMessage;
    ui::Label StatusFileName;
    // The line over the results on the result pages: the status message while the results are
    // not current, otherwise a note on how far they can be trusted (empty when there is none).
    ui::Label ResultsNote;

    // Asks the host to close the main window (the view runs the exit path and quits); false
    // when the window stays open.
    std::function<bool()> requestClose;
};

}  // namespace cn3
