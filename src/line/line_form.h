// The "Pole Line" window as control models: the pole grid with its row buttons, the line's
// default clearance and installation, the results (the headline, the span results grid, the
// stringing chart and the profile), the notes that say what is wrong in words, the file and
// print buttons and the status. The view shows it (not modally) while `shown`.
#pragma once

#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/picture_box.h"

namespace cn3::line {

// The layout (twips) the profile is drawn for; the view shows it scaled to its room.
inline constexpr double kProfileWidth = 7200, kProfileHeight = 3000;

// The pole grid's columns. A span and its required clearance stand on the row of the pole it
// starts at, as in the pole CSV; the last pole's are empty.
namespace pole_column {
inline constexpr int kId = 0, kGround = 1, kHeight = 2, kSpan = 3, kClearance = 4, kCount = 5;
}

class LineForm : public ui::WindowShown {
  public:
    LineForm();

    ui::Label Title{"Pole Line"};

    ui::Label PolesCaption{"Po&les"};
    ui::Grid Poles;  // a heading row, then one row per pole
    ui::Button AddPole{"A&dd Pole"};
    ui::Button InsertPole{"&Insert Pole"};
    ui::Button RemovePole{"&Remove Pole"};
    ui::Button ImportCsv{"I&mport CSV..."};

    ui::Label ClearanceCaption{"Default &Clearance"};
    ui::TextBox DefaultClearance;
    ui::Label InstallationCaption{"Strung at"};
    ui::OptionGroup Installation{{"the &Worksheet's Sag", "a &Tension of"}, 0};
    ui::TextBox Tension;

    // The ruling span and the line tension, over the results.
    ui::Label Headline;
    // In words, shown red: each cell or entry that cannot be read, why there are no results,
    // and each reason the line fails. Empty when nothing is wrong.
    ui::Label Problems;
    // The rest of what is said of the line: that it passes, the usable load, the ruling-span
    // notes, and which worksheet strings it when its file holds another.
    ui::Label Notes;
    ui::Label ResultsCaption{"Span Res&ults"};
    ui::Grid Results;
    ui::Label StringingCaption{"Strin&ging Chart"};
    ui::Grid Stringing;
    // What the stringing chart's units and mark mean.
    ui::Label StringingLegend;
    ui::PictureBox Profile;

    ui::Button New{"&New"};
    ui::Button Open{"&Open..."};
    ui::Button Save{"&Save"};
    ui::Button SaveAs{"Save &As..."};
    ui::Button Print{"&Print..."};
    ui::Button ExportPdf{"&Export PDF..."};
    ui::Button Close{"Close"};

    // The line file's name, followed by " (modified)" while the line differs from it.
    ui::Label StatusFileName;
};

}  // namespace cn3::line
