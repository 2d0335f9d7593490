#include "qt/main_pages.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "engine/loading_table_drawing.h"
#include "engine/span_charts.h"
#include "qt/bind.h"
#include "qt/grid_view.h"
#include "qt/picture_view.h"

namespace cn3::qt {

namespace {

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

// A caption as a name for a screen reader: "Name:" is "Name", and the blanks that break
// "Pt of Interest     Distance" onto two lines are one.
QString accessibleCaption(const QString& caption) {
    QString name = caption.simplified();
    while (name.endsWith(QLatin1Char(':'))) name.chop(1);
    return name;
}

// Keeps a widget's room in the layout while its model hides it, so that nothing else moves
// when a family tab changes or a box is ticked.
template <class W>
W* keepsPlace(W* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    return widget;
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

GridView* grid(ui::Grid& model, const QString& name, const QString& accessibleName) {
    auto* w = named(new GridView(model), name);
    w->setAccessibleName(accessibleName);
    return w;
}

// An entry with its unit beside it (the text comes with the units, see control_tips.h): the
// entry keeps its place, the unit takes room after it, and both show and hide together.
QWidget* withUnit(QLineEdit* entry, ui::TextBox& model) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(entry);
    auto* unit = keepsPlace(named(new QLabel, QStringLiteral("Unit_") + entry->objectName()));
    bindControl(model, unit);
    layout->addWidget(unit);
    layout->addStretch();
    return row;
}

// The caption names the field for a screen reader and is its buddy.
QLabel* names(QLabel* caption, QWidget* field) {
    caption->setBuddy(field);
    field->setAccessibleName(accessibleCaption(caption->text()));
    return caption;
}

// A caption above its entry field, both following the caption's visibility model separately.
// `field` may be a row holding the entry `entry`.
QWidget* captioned(QLabel* caption, QWidget* field, QWidget* entry = nullptr) {
    names(caption, entry ? entry : field);
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(caption);
    layout->addWidget(field);
    return box;
}

// The line over the results: why they are not those of the current entries, or a note on
// them. It keeps one line of room when empty, so the results do not move when it speaks, and
// does not widen the window for a long text.
QLabel* resultsNote(ui::Label& model, const QString& name) {
    auto* note = label(model, name);
    // Several notes may stand together (entries read in part, values out of range): they wrap
    // onto further lines rather than run off the window.
    note->setWordWrap(true);
    note->setMinimumHeight(note->fontMetrics().height() + 4);
    note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    ShowAsWarning(note);
    return note;
}

// The installed-temperature scroll bar: a stop of the Tab chain, moved by the arrow keys one
// degree and by the Page keys ten (the slider's own keys). Its handle is drawn over in the
// highlight colour, which stands out from the groove in any style, and the bar is framed
// while it has the keyboard.
class TemperatureBar : public QScrollBar {
  public:
    TemperatureBar() : QScrollBar(Qt::Horizontal) {
        setFocusPolicy(Qt::StrongFocus);
        // Right and Page Up warm, Left and Page Down cool (a scroll bar's keys are turned the
        // other way round for documents).
        setInvertedControls(false);
        setSingleStep(1);
        setPageStep(10);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        QPainter painter(this);
        QStyleOptionSlider bar;
        initStyleOption(&bar);
        const QRect handle =
            style()->subControlRect(QStyle::CC_ScrollBar, &bar, QStyle::SC_ScrollBarSlider, this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor colour = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                              QPalette::Highlight);
        painter.setPen(colour.darker(130));
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(handle).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
        if (!hasFocus()) return;
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
};

// The results text in even-width type, with room for its longest form (twelve lines of up to
// 46 characters) whatever it shows now, so a new result never moves the page. Given more room
// its type grows with it, up to one and a half times.
class ResultsText : public QLabel {
  public:
    ResultsText() : base_(QFontDatabase::systemFont(QFontDatabase::FixedFont)) {
        setFont(base_);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setTextInteractionFlags(Qt::TextSelectableByMouse);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        const QFontMetrics metrics(base_);
        setMinimumSize(metrics.horizontalAdvance(QString(kColumns, QLatin1Char('0'))),
                       kLines * metrics.lineSpacing());
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        const double room =
            std::min(double(width()) / minimumWidth(), double(height()) / minimumHeight());
        QFont type = base_;
        // Type does not grow quite in proportion to its size, so a size is taken only when
        // the longest form of the text fits at it.
        for (double zoom = std::clamp(std::floor(room * 20) / 20, 1.0, 1.5);; zoom -= 0.05) {
            type.setPointSizeF(base_.pointSizeF() * zoom);
            const QFontMetrics metrics(type);
            if (zoom <= 1.0 ||
                (metrics.horizontalAdvance(QString(kColumns, QLatin1Char('0'))) <= width() &&
                 kLines * metrics.lineSpacing() <= height()))
                break;
        }
        if (font() != type) setFont(type);
    }

  private:
    static constexpr int kColumns = 46, kLines = 13;
    QFont base_;
};

// A chart drawn for a layout of widthTwips x heightTwips and shown scaled up to its room, on
// white like the loading table.
PictureView* chartView(ui::PictureBox& model, const QString& name, double widthTwips,
                       double heightTwips, const QString& accessibleName) {
    auto* view = named(new PictureView(model, 440, 220), name);
    view->setScaledToFit(widthTwips, heightTwips);
    view->setAccessibleName(accessibleName);
    return view;
}

}  // namespace

QWidget* BuildProjectPage(MainForm& form) {
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    auto* box = frame(form.Frame7, QStringLiteral("Frame7"));
    auto* fields = new QFormLayout(box);
    fields->setLabelAlignment(Qt::AlignRight);
    const auto row = [&](ui::Label& caption, const char* captionName, ui::TextBox& entry,
                         const char* entryName, int width = 0) {
        QLineEdit* field = textBox(entry, QLatin1String(entryName), width);
        fields->addRow(names(label(caption, QLatin1String(captionName)), field), field);
    };
    row(form.Label7, "Label7", form.Text1, "Text1");
    row(form.Label8, "Label8", form.Text2, "Text2", 120);
    row(form.Label9, "Label9", form.Text3, "Text3");
    row(form.Label10, "Label10", form.Text4, "Text4");
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
    families->setAccessibleName(QStringLiteral("Cable family"));
    left->addWidget(families);
    auto* catalogue = grid(form.Grid1, QStringLiteral("Grid1"), QStringLiteral("Cable catalogue"));
    catalogue->setMinimumRows(10);
    left->addWidget(catalogue, 1);
    outer->addLayout(left, 3);

    // Right: the selection, or in its place the editing panel, then the entries and buttons.
    auto* right = new QVBoxLayout;
    auto* place = new QGridLayout;
    auto* selected =
        keepsPlace(grid(form.Grid2, QStringLiteral("Grid2"), QStringLiteral("Selected cables")));
    selected->shareZoomWith(catalogue);
    place->addWidget(selected, 0, 0);
    auto* panel =
        keepsPlace(named(new PictureView(form.Picture1, 400, 240), QStringLiteral("Picture1")));
    auto* close = button(form.Command4, QStringLiteral("Command4"));
    close->setParent(panel);  // on the panel, shown and hidden with it
    close->move(400 - close->sizeHint().width() - 8, 240 - close->sizeHint().height() - 8);
    place->addWidget(panel, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    right->addLayout(place, 1);

    auto* instruction = label(form.Label6, QStringLiteral("Label6"));
    instruction->setWordWrap(true);
    right->addWidget(instruction);

    auto* entries = new QHBoxLayout;
    auto* bundle = keepsPlace(textBox(form.Text5, QStringLiteral("Text5"), 110));
    entries->addWidget(captioned(keepsPlace(label(form.Label2[5], indexed("Label2", 5))),
                                 withUnit(bundle, form.Text5), bundle));
    entries->addWidget(captioned(keepsPlace(label(form.Label2[4], indexed("Label2", 4))),
                                 keepsPlace(textBox(form.Text9[4], indexed("Text9", 4), 90))));
    entries->addStretch();
    right->addLayout(entries);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(keepsPlace(button(form.Command3, QStringLiteral("Command3"))));
    buttons->addWidget(keepsPlace(button(form.Command1, QStringLiteral("Command1"))));
    buttons->addStretch();
    right->addLayout(buttons);
    outer->addLayout(right, 2);
    return page;
}

QWidget* BuildSagTensionPage(MainForm& form) {
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(resultsNote(form.ResultsNote, indexed("ResultsNote", page::kSagTension)));
    auto* columns = new QHBoxLayout;
    outer->addLayout(columns, 1);

    auto* left = new QVBoxLayout;
    auto* sagField = new QWidget;
    auto* sagRow = new QHBoxLayout(sagField);
    sagRow->setContentsMargins(0, 0, 0, 0);
    auto* sag = textBox(form.Text9[1], indexed("Text9", 1), 100);
    sagRow->addWidget(sag);
    auto* absolute = named(new QRadioButton, indexed("Option1", 0));
    auto* percent = named(new QRadioButton, indexed("Option1", 1));
    bindTo(form.Option1, {absolute, percent});
    sagRow->addWidget(absolute);
    sagRow->addWidget(percent);
    sagRow->addStretch();
    auto* span = textBox(form.Text9[0], indexed("Text9", 0), 100);
    // "Pole Line..." stands at the right of the span length, in room no other control takes:
    // the row is as high as the caption and entry beside it, so nothing moves for it.
    auto* spanRow = new QHBoxLayout;
    auto* spanField =
        captioned(label(form.Label2[0], indexed("Label2", 0)), withUnit(span, form.Text9[0]), span);
    spanRow->addWidget(spanField, 1);
    auto* poleLine = button(form.PoleLineButton, QStringLiteral("PoleLineButton"));
    spanRow->addWidget(poleLine, 0, Qt::AlignBottom);
    left->addLayout(spanRow);
    left->addWidget(captioned(label(form.Label2[1], indexed("Label2", 1)), sagField, sag));
    auto* clearance = keepsPlace(textBox(form.Text9[3], indexed("Text9", 3), 100));
    left->addWidget(captioned(keepsPlace(label(form.Label2[3], indexed("Label2", 3))),
                              withUnit(clearance, form.Text9[3]), clearance));

    left->addSpacing(8);
    auto* temperatureCaption = label(form.Label1, QStringLiteral("Label1"));
    left->addWidget(temperatureCaption);
    auto* scroll = named(new TemperatureBar, QStringLiteral("HScroll1"));
    scroll->setMinimumWidth(260);
    bindTo(form.HScroll1, scroll);
    temperatureCaption->setBuddy(scroll);
    scroll->setAccessibleName(QStringLiteral("Installed Temperature"));
    left->addWidget(scroll);
    left->addSpacing(8);
    left->addWidget(checkBox(form.Check2, QStringLiteral("Check2")));
    auto* temperatures = keepsPlace(grid(form.GridTemp, QStringLiteral("GridTemp"),
                                         QStringLiteral("Effect of Temperature Change")));
    temperatures->setFitHeight(true);
    left->addWidget(temperatures, 1);
    columns->addLayout(left, 2);

    auto* results = frame(form.Frame3, QStringLiteral("Frame3"));
    auto* resultsLayout = new QVBoxLayout(results);
    // The results text lines its figures up with blanks, so it needs even character widths.
    resultsLayout->addWidget(bound<ResultsText>(form.Label4, QStringLiteral("Label4")), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(results, 1);
    // The chart grows with the window as the grids do.
    right->addWidget(keepsPlace(chartView(form.TemperatureChart, QStringLiteral("TemperatureChart"),
                                          kTemperatureChartWidth, kTemperatureChartHeight,
                                          QStringLiteral("Sag and Tension against Temperature"))),
                     1);
    columns->addLayout(right, 3);
    // The worksheet's entries keep their Tab order; "Pole Line..." comes after them.
    QWidget::setTabOrder(temperatures, poleLine);
    return page;
}

QWidget* BuildNescPage(MainForm& form) {
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(resultsNote(form.ResultsNote, indexed("ResultsNote", page::kNescResults)));

    auto* top = new QHBoxLayout;
    auto* setLoads = button(form.Command5, QStringLiteral("Command5"));
    top->addWidget(setLoads, 0, Qt::AlignTop);
    auto* options = frame(form.Frame1, QStringLiteral("Frame1"));
    auto* optionsLayout = new QHBoxLayout(options);
    auto* ticks = new QVBoxLayout;
    ticks->addWidget(checkBox(form.Check1[0], indexed("Check1", 0)));
    ticks->addWidget(checkBox(form.Check1[1], indexed("Check1", 1)));
    optionsLayout->addLayout(ticks);
    auto* distanceCaption = keepsPlace(label(form.Label2[2], indexed("Label2", 2)));
    distanceCaption->setWordWrap(true);
    distanceCaption->setFixedWidth(90);
    auto* distance = keepsPlace(textBox(form.Text9[2], indexed("Text9", 2), 100));
    optionsLayout->addWidget(names(distanceCaption, distance));
    optionsLayout->addWidget(withUnit(distance, form.Text9[2]));
    optionsLayout->addStretch();
    top->addWidget(options, 1);
    outer->addLayout(top);

    // The table is laid out in twips for an area as wide as its widest form (the vector
    // columns shown) and drawn scaled up to fill the room the window gives it.
    const TableColumns at = LoadingTableColumns(kScreenTable);
    auto* table = named(new PictureView(form.Picture3, 960, 440), QStringLiteral("Picture3"));
    table->setScaledToFit(at[12] + at[0], 2200);
    table->setAccessibleName(QStringLiteral("NESC RESULTS"));
    auto* paper = new QFrame;
    paper->setFrameShape(QFrame::StyledPanel);
    auto* paperLayout = new QVBoxLayout(paper);
    paperLayout->setContentsMargins(1, 1, 1, 1);
    paperLayout->addWidget(table, 3);
    paperLayout->addWidget(
        chartView(form.SpanProfile, QStringLiteral("SpanProfile"), kSpanProfileWidth,
                  kSpanProfileHeight, QStringLiteral("Span Profile")),
        4);
    outer->addWidget(paper, 1);
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
        printLayout->addWidget(
            keepsPlace(checkBox(form.Check5[static_cast<size_t>(i)], indexed("Check5", i))), i, 0);
    printLayout->addWidget(checkBox(form.Check4, QStringLiteral("Check4")), 0, 1);
    printLayout->addWidget(checkBox(form.Check3, QStringLiteral("Check3")), 1, 1);
    printLayout->addWidget(checkBox(form.ShowCharts, QStringLiteral("ShowCharts")), 2, 1);
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
    list->setAccessibleName(QStringLiteral("Help"));
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
