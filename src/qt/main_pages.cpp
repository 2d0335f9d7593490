#include "qt/main_pages.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include "qt/bind.h"
#include "qt/grid_view.h"
#include "qt/picture_view.h"

namespace cn3::qt {

namespace {

template <class W>
W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// A widget of type W named after its control and bound to the control's model.
template <class W, class Model>
W* bound(Model& model, const QString& name) {
    auto* w = named(new W, name);
    bindTo(model, w);
    return w;
}

QLabel* label(ui::Label& model, const QString& name) {
    return bound<QLabel>(model, name);
}
QPushButton* button(ui::Button& model, const QString& name) {
    return bound<QPushButton>(model, name);
}
QCheckBox* checkBox(ui::CheckBox& model, const QString& name) {
    return bound<QCheckBox>(model, name);
}
QGroupBox* frame(ui::Frame& model, const QString& name) {
    return bound<QGroupBox>(model, name);
}

QLineEdit* textBox(ui::TextBox& model, const QString& name, int width = 0) {
    auto* w = bound<QLineEdit>(model, name);
    if (width > 0) w->setFixedWidth(width);
    return w;
}

// A grid sized to its columns, growing in height only as far as its rows need.
GridView* grid(ui::Grid& model, const QString& name) {
    auto* w = named(new GridView(model), name);
    w->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    w->setTextElideMode(Qt::ElideRight);
    return w;
}

// A caption above its entry field, both following the caption's visibility model separately.
QWidget* captioned(QLabel* caption, QWidget* field) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(caption);
    layout->addWidget(field);
    return box;
}

}  // namespace

QWidget* BuildProjectPage(MainForm& form) {
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    auto* box = frame(form.Frame7, QStringLiteral("Frame7"));
    auto* fields = new QFormLayout(box);
    fields->setLabelAlignment(Qt::AlignRight);
    fields->addRow(label(form.Label7, QStringLiteral("Label7")),
                   textBox(form.Text1, QStringLiteral("Text1")));
    fields->addRow(label(form.Label8, QStringLiteral("Label8")),
                   textBox(form.Text2, QStringLiteral("Text2"), 120));
    fields->addRow(label(form.Label9, QStringLiteral("Label9")),
                   textBox(form.Text3, QStringLiteral("Text3")));
    fields->addRow(label(form.Label10, QStringLiteral("Label10")),
                   textBox(form.Text4, QStringLiteral("Text4")));
    box->setMaximumWidth(720);
    outer->addWidget(box);
    outer->addStretch();
    return page;
}

QWidget* BuildCablesPage(MainForm& form) {
    auto* page = new QWidget;
    auto* outer = new QHBoxLayout(page);

    // Left: the family tabs over the catalogue.
    auto* left = new QVBoxLayout;
    left->setSpacing(0);
    auto* families = named(new QTabBar, QStringLiteral("SSTab2"));
    families->setExpanding(false);
    for (const auto& caption : form.SSTab2.captions())
        families->addTab(QString::fromStdString(caption));
    bindTo(form.SSTab2, families);
    left->addWidget(families);
    left->addWidget(grid(form.Grid1, QStringLiteral("Grid1")), 1);
    outer->addLayout(left);

    // Right: the selection, its entries and buttons, and the editing panel.
    auto* right = new QVBoxLayout;
    auto* selected = grid(form.Grid2, QStringLiteral("Grid2"));
    selected->setFitHeight(true);
    right->addWidget(selected);
    auto* instruction = label(form.Label6, QStringLiteral("Label6"));
    instruction->setWordWrap(true);
    right->addWidget(instruction);

    auto* entries = new QHBoxLayout;
    entries->addWidget(captioned(label(form.Label2[5], indexed("Label2", 5)),
                                 textBox(form.Text5, QStringLiteral("Text5"), 110)));
    entries->addWidget(captioned(label(form.Label2[4], indexed("Label2", 4)),
                                 textBox(form.Text9[4], indexed("Text9", 4), 90)));
    entries->addStretch();
    right->addLayout(entries);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(form.Command3, QStringLiteral("Command3")));
    buttons->addWidget(button(form.Command1, QStringLiteral("Command1")));
    buttons->addStretch();
    right->addLayout(buttons);

    auto* panel = named(new PictureView(form.Picture1, 400, 240), QStringLiteral("Picture1"));
    auto* close = button(form.Command4, QStringLiteral("Command4"));
    close->setParent(panel);  // on the panel, shown and hidden with it
    close->move(400 - close->sizeHint().width() - 8, 240 - close->sizeHint().height() - 8);
    right->addWidget(panel);
    right->addStretch(1);
    outer->addLayout(right, 1);
    return page;
}

QWidget* BuildSagTensionPage(MainForm& form) {
    auto* page = new QWidget;
    auto* outer = new QHBoxLayout(page);

    auto* left = new QVBoxLayout;
    auto* sag = new QHBoxLayout;
    auto* sagField = new QWidget;
    auto* sagRow = new QHBoxLayout(sagField);
    sagRow->setContentsMargins(0, 0, 0, 0);
    sagRow->addWidget(textBox(form.Text9[1], indexed("Text9", 1), 100));
    auto* absolute = named(new QRadioButton, indexed("Option1", 0));
    auto* percent = named(new QRadioButton, indexed("Option1", 1));
    bindTo(form.Option1, {absolute, percent});
    sagRow->addWidget(absolute);
    sagRow->addWidget(percent);
    sagRow->addStretch();
    left->addWidget(captioned(label(form.Label2[0], indexed("Label2", 0)),
                              textBox(form.Text9[0], indexed("Text9", 0), 100)));
    sag->addWidget(captioned(label(form.Label2[1], indexed("Label2", 1)), sagField));
    left->addLayout(sag);
    left->addWidget(captioned(label(form.Label2[3], indexed("Label2", 3)),
                              textBox(form.Text9[3], indexed("Text9", 3), 100)));

    left->addSpacing(8);
    left->addWidget(label(form.Label1, QStringLiteral("Label1")));
    auto* scroll = named(new QScrollBar(Qt::Horizontal), QStringLiteral("HScroll1"));
    scroll->setMinimumWidth(260);
    bindTo(form.HScroll1, scroll);
    left->addWidget(scroll);
    left->addSpacing(8);
    left->addWidget(checkBox(form.Check2, QStringLiteral("Check2")));
    auto* temperatures = grid(form.GridTemp, QStringLiteral("GridTemp"));
    temperatures->setFitHeight(true);
    left->addWidget(temperatures);
    left->addStretch(1);
    outer->addLayout(left);

    auto* results = frame(form.Frame3, QStringLiteral("Frame3"));
    auto* resultsLayout = new QVBoxLayout(results);
    auto* text = label(form.Label4, QStringLiteral("Label4"));
    // The results text lines its figures up with blanks, so it needs even character widths.
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    resultsLayout->addWidget(text, 1);
    outer->addWidget(results, 1);
    return page;
}

QWidget* BuildNescPage(MainForm& form) {
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);

    auto* top = new QHBoxLayout;
    auto* setLoads = button(form.Command5, QStringLiteral("Command5"));
    top->addWidget(setLoads, 0, Qt::AlignTop);
    auto* options = frame(form.Frame1, QStringLiteral("Frame1"));
    auto* optionsLayout = new QHBoxLayout(options);
    auto* ticks = new QVBoxLayout;
    ticks->addWidget(checkBox(form.Check1[0], indexed("Check1", 0)));
    ticks->addWidget(checkBox(form.Check1[1], indexed("Check1", 1)));
    optionsLayout->addLayout(ticks);
    auto* distanceCaption = label(form.Label2[2], indexed("Label2", 2));
    distanceCaption->setWordWrap(true);
    distanceCaption->setFixedWidth(90);
    optionsLayout->addWidget(distanceCaption);
    optionsLayout->addWidget(textBox(form.Text9[2], indexed("Text9", 2), 100));
    optionsLayout->addStretch();
    top->addWidget(options, 1);
    outer->addLayout(top);

    auto* area = new QScrollArea;
    area->setWidget(named(new PictureView(form.Picture3, 960, 440), QStringLiteral("Picture3")));
    area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The drawing is on white; the area around it continues the paper.
    area->setBackgroundRole(QPalette::Base);
    outer->addWidget(area, 1);
    return page;
}

QWidget* BuildFilesPage(MainForm& form) {
    auto* page = new QWidget;
    auto* outer = new QHBoxLayout(page);

    auto* files = frame(form.Frame2, QStringLiteral("Frame2"));
    auto* filesLayout = new QVBoxLayout(files);
    for (int i = 0; i < 3; ++i)
        filesLayout->addWidget(
            button(form.Command6[static_cast<size_t>(i)], indexed("Command6", i)));
    filesLayout->addStretch();
    outer->addWidget(files, 0, Qt::AlignTop);

    auto* print = frame(form.Frame4, QStringLiteral("Frame4"));
    auto* printLayout = new QGridLayout(print);
    for (int i = 0; i < 6; ++i)
        printLayout->addWidget(checkBox(form.Check5[static_cast<size_t>(i)], indexed("Check5", i)),
                               i, 0);
    printLayout->addWidget(checkBox(form.Check4, QStringLiteral("Check4")), 0, 1);
    printLayout->addWidget(checkBox(form.Check3, QStringLiteral("Check3")), 1, 1);
    printLayout->addWidget(button(form.Command6[3], indexed("Command6", 3)), 3, 1);
    printLayout->addWidget(button(form.Command6[4], indexed("Command6", 4)), 4, 1);
    printLayout->setColumnMinimumWidth(0, 160);
    outer->addWidget(print, 0, Qt::AlignTop);
    outer->addStretch(1);
    return page;
}

QWidget* BuildHelpPage(MainForm& form) {
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    auto* list = named(new QListWidget, QStringLiteral("List1"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // The help text indents its paragraphs with blanks; even character widths keep them.
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    bindTo(form.List1, list);
    outer->addWidget(list, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(button(form.Command2, QStringLiteral("Command2")));
    row->addStretch();
    outer->addLayout(row);
    return page;
}

}  // namespace cn3::qt
