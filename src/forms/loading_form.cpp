#include "forms/loading_form.h"

namespace cn3 {

LoadingForm::LoadingForm() {
    Check1[1].setEnabled(false);
    Hint.setVisible(false);
    for (int i = 10; i < 25; ++i) Cells[static_cast<size_t>(i)].setVisible(false);
    SaveButton.setEnabled(false);
    Cells[0].setCaption("251 - Light");
}

}  // namespace cn3
