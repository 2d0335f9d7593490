#include "forms/main_form.h"

namespace cn3 {

MainForm::MainForm() {
    const char* captions[] = {"Span Length", "Span Sag", "Pt of Interest     Distance",
                              "Clearance",   "Creep %",  "Enter Bundle Diameter"};
    for (size_t i = 0; i < Label2.size(); ++i) Label2[i].setCaption(captions[i]);

    // A span file holds 30, 15, 20 and 200 characters of the project texts and 8 of each span
    // entry; more could be typed but would be cut off when the worksheet is saved.
    Text1.setMaxLength(30);
    Text2.setMaxLength(15);
    Text3.setMaxLength(20);
    Text4.setMaxLength(200);
    for (auto& entry : Text9) entry.setMaxLength(8);

    Text9[0].setText("0.00");
    Text9[1].setText("0.00");

    // Shown only while their options are ticked or their mode is on.
    Text9[2].setVisible(false);
    Label2[2].setVisible(false);
    Text9[3].setVisible(false);
    Label2[3].setVisible(false);
    GridTemp.setVisible(false);
    TemperatureChart.setVisible(false);
    Picture1.setVisible(false);
    Command1.setVisible(false);
}

}  // namespace cn3
