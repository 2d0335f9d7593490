// A grid model the user types into, shown as an editable QTableWidget: the model's fixed rows
// are the column headings, each row below is a table row numbered at its left. A typed cell
// goes to the model's editCell; the current cell follows the model's. A marked cell (one that
// cannot be read) has a red background; whoever marks it says why in words.
//
// Keys: typing or F2 edits the current cell, Enter ends the edit, the arrows move (Down on the
// last row asks `onAddRow` for a new one, as a spreadsheet goes on below), Tab leaves the grid. Ctrl+V hands the clipboard's text to `onPaste`, Insert asks `onInsertRow`,
// Ctrl+Delete (or Delete on whole rows chosen at their numbers) `onRemoveRow`; Delete empties
// the chosen cells. The context menu offers the same.
#pragma once

#include <QTableWidget>
#include <functional>
#include <string>

#include "ui/grid.h"

class QAction;

namespace cn3::qt {

class EditableGridView : public QTableWidget {
  public:
    explicit EditableGridView(ui::Grid& model, QWidget* parent = nullptr);

    std::function<void(const std::string&)> onPaste;
    std::function<void()> onInsertRow;
    std::function<void()> onAddRow;
    std::function<void()> onRemoveRow;

    // Rebuilds the table from the model now if it changed.
    void refreshNow();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void scheduleRefresh();
    void paste();
    void emptyChosenCells();
    int modelRow(int row) const { return row + model_.fixedRows(); }

    ui::Grid& model_;
    bool dirty_ = true;
    bool scheduled_ = false;
    bool refreshing_ = false;
};

}  // namespace cn3::qt
