// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Form1Ui.h"

#include "Accessibility.h"
#include "ClickableLabel.h"
#include "DigitsOnlyFilter.h"
#include "FocusFrameStyle.h"
#include "KeyboardNavigation.h"
#include "LiveReadingsReply.h"
#include "PageScroll.h"
#include "ParameterTable.h"
#include "PortComboBox.h"
#include "Translations.h"

#include <QAction>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <stdexcept>
#include <string>

namespace morvent {

namespace {

constexpr int kContentPixels = 13;
constexpr int kTabPixels = 19;
constexpr int kPanel1Width = 609;

// Wide enough for five digits, the largest value a 16-bit field holds.
constexpr int kNumberWidth = 64;
// A combo of short numbers ("18", k700C) and one of worded choices ("By Display's Command").
constexpr int kShortComboWidth = 96;
constexpr int kWideComboWidth = 200;
constexpr int kButtonWidth = 96;

QStringList toQt(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) {
        list.append(QString::fromStdString(item));
    }
    return list;
}

// A parameter control's list and caption, as the parameter table has them.
const Parameter& row(const QString& control) {
    return *parameter(control.toStdString());
}
QStringList itemsOf(const char* control) {
    return toQt(row(QLatin1String(control)).items);
}
QString labelOf(const QString& control) {
    return shownText(row(control).labelWording);
}
QString columnOf(const QString& control) {
    return shownText(row(control).columnWording);
}

// The pages' panel keeps its designed width, and widens where a language's words need more.
class LeftPanel final : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override {
        return QWidget::sizeHint().expandedTo(QSize(kPanel1Width, 0));
    }
    QSize minimumSizeHint() const override {
        return QWidget::minimumSizeHint().expandedTo(QSize(kPanel1Width, 0));
    }
};

QFont pixelFont(const QFont& base, int pixels, bool bold = false) {
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Captions and identity values are shown as they are; a '<' from the controller is not markup.
QLabel* makeLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* makeHead(const QString& text, QWidget* parent) {
    QLabel* head = makeLabel(text, parent);
    head->setAlignment(Qt::AlignCenter);
    return head;
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setMinimumWidth(kButtonWidth);
    // Enter on a focused button presses it, as Space does.
    button->setAutoDefault(true);
    // Greyed while it cannot be pressed, yet its caption still readable (Read Flash and Write
    // Flash are greyed until a controller answers, when a newcomer looks for them).
    QPalette colours = button->palette();
    colours.setColor(QPalette::Disabled, QPalette::ButtonText,
                     readableGrey(colours.color(QPalette::Active, QPalette::ButtonText),
                                  colours.color(QPalette::Active, QPalette::Button), 4.5));
    button->setPalette(colours);
    return button;
}

// A combo box that accepts typed text keeps its item list as the protocol knows it: pressing
// Enter must not append what was typed, which would shift the indices the codecs rely on.
void configureCombo(QComboBox* combo, const char* name, bool editable, const QStringList& items,
                    int width) {
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    Form1Ui::fillCombo(combo, items);
    // At least as wide as the layout gives it, wider where a language needs it (see setupUi).
    combo->setMinimumWidth(width);
    combo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    combo->setMaxVisibleItems(16);
}

QComboBox* makeCombo(const char* name, bool editable, const QStringList& items, int width,
                     QWidget* parent) {
    auto* combo = new QComboBox(parent);
    configureCombo(combo, name, editable, items, width);
    return combo;
}

QGridLayout* makeFormGrid() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    return grid;
}

// Two buttons side by side at the right of their row, the way a dialog sets its buttons; a
// leading one stands apart at the left.
QHBoxLayout* makeButtonRow(QPushButton* first, QPushButton* second,
                           QPushButton* leading = nullptr) {
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    if (leading) {
        row->addWidget(leading);
    }
    row->addStretch(1);
    row->addWidget(first);
    row->addWidget(second);
    return row;
}

// Labels set flush against their fields, for a form whose captions differ much in length: the
// eye then pairs caption and field without crossing a gap.
void alignLabelsRight(QGridLayout* grid) {
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (QLayoutItem* item = grid->itemAtPosition(row, 0)) {
            item->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
}

// The layout a page's fields go in. They scroll where the window is too short for them, while the
// page's row of buttons, added by addPageButtons, stays in view below them.
QVBoxLayout* makePageLayout(QWidget* page) {
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 8);
    outer->setSpacing(6);
    auto* fields = new QWidget(page);
    fields->setObjectName(page->objectName() + QStringLiteral("Fields"));
    auto* layout = new QVBoxLayout(fields);
    layout->setContentsMargins(16, 10, 16, 0);
    layout->setSpacing(8);
    outer->addWidget(new PageScroll(fields, page), 1);
    return layout;
}

void addPageButtons(QWidget* page, QHBoxLayout* row) {
    row->setContentsMargins(16, 0, 16, 0);
    static_cast<QVBoxLayout*>(page->layout())->addLayout(row);
}

} // namespace

QStringList Form1Ui::wheelSizeItems() {
    return itemsOf("ComboBox4");
}

QStringList Form1Ui::speedMeterItems() {
    return itemsOf("ComboBox5");
}

void Form1Ui::fillCombo(QComboBox* combo, const QStringList& items) {
    combo->clear();
    for (const QString& item : items) {
        combo->addItem(shownText(item.toStdString()), item);
    }
}

QString Form1Ui::webAddress() {
    return QStringLiteral("https://example.com/controllers");
}

QLineEdit* Form1Ui::edit(int n) const {
    if (n < 1 || n > kEditCount) {
        throw std::out_of_range("no edit field " + std::to_string(n));
    }
    return m_edits[static_cast<std::size_t>(n - 1)];
}

QLineEdit* Form1Ui::makeEdit(int n, QWidget* parent) {
    auto* field = new QLineEdit(QStringLiteral("0"), parent);
    field->setObjectName(QString::fromStdString(editName(n)));
    field->setFixedWidth(kNumberWidth);
    digitsOnly->attach(field);
    m_edits[static_cast<std::size_t>(n - 1)] = field;
    return field;
}

// "Undo Changes" sits at the left of a page's button row, away from "Read" and "Write".
QPushButton* Form1Ui::makeUndoButton(Page page, QWidget* sheet) {
    static constexpr std::array<const char*, 4> kNames{"UndoBasic", "UndoPedalAssist",
                                                       "UndoThrottleHandle", "UndoTorque"};
    QPushButton* undo = makeButton(kNames[page], tr("Undo Changes"), sheet);
    undo->setMinimumWidth(120);
    UndoButtons[page] = undo;
    return undo;
}

QLineEdit* Form1Ui::addEditRow(QGridLayout* grid, int row, int n) {
    QWidget* parent = grid->parentWidget();
    QLineEdit* field = makeEdit(n, parent);
    QLabel* label = makeLabel(labelOf(field->objectName()), parent);
    label->setBuddy(field);
    captions[field] = {label};
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1, Qt::AlignLeft);
    return field;
}

QComboBox* Form1Ui::addComboRow(QGridLayout* grid, int row, QComboBox* combo) {
    QLabel* label = makeLabel(labelOf(combo->objectName()), grid->parentWidget());
    label->setBuddy(combo);
    captions[combo] = {label};
    grid->addWidget(label, row, 0);
    grid->addWidget(combo, row, 1, Qt::AlignLeft);
    return combo;
}

void Form1Ui::setupUi(QMainWindow* window) {
    window->setObjectName(QStringLiteral("Form1"));
    window->setWindowTitle(tr("Controller System"));
    // A system menu and a minimise box; the window adds a maximise box on a screen too small for
    // it, where it opens at the room there is and may be given the whole screen.
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    window->setFont(pixelFont(window->font(), kContentPixels));
    window->resize(kWidth, kHeight);

    digitsOnly = new DigitsOnlyFilter(window);

    auto* central = new QWidget(window);
    central->setObjectName(QStringLiteral("CentralWidget"));
    auto* split = new QHBoxLayout(central);
    split->setContentsMargins(0, 0, 0, 0);
    split->setSpacing(0);

    Panel1 = new LeftPanel(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    // As designed at the designed size, wider where the words of a language need it; a larger
    // window gives the pages two parts of the room it gains and the right panel one.
    auto* left = new QVBoxLayout(Panel1);
    left->setContentsMargins(6, 6, 3, 6);

    TabbedNotebook1 = new QTabWidget(Panel1);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->tabBar()->setFont(pixelFont(window->font(), kTabPixels));
    TabbedNotebook1->setUsesScrollButtons(false);
    TabSheetBasic = setupBasicPage();
    TabSheetPedalAssist = setupPedalAssistPage();
    TabSheetThrottleHandle = setupThrottleHandlePage();
    TabSheetTorque = setupTorquePage();
    TabbedNotebook1->addTab(TabSheetBasic, tr("Basic"));
    TabbedNotebook1->addTab(TabSheetPedalAssist, tr("Pedal Assist"));
    TabbedNotebook1->addTab(TabSheetThrottleHandle, tr("Throttle Handle"));
    TabbedNotebook1->addTab(TabSheetTorque, tr("Torque"));
    TabbedNotebook1->setCurrentIndex(TorquePage);
    left->addWidget(TabbedNotebook1);

    Panel2 = setupRightPanel(central);

    split->addWidget(Panel1, 2);
    split->addWidget(Panel2, 1);
    // The pages scroll their fields; on a screen smaller still the whole window scrolls rather
    // than cut its pages and panel, and the status bar stays in view under them.
    Scroll = new QScrollArea(window);
    Scroll->setObjectName(QStringLiteral("CentralScroll"));
    Scroll->setFrameShape(QFrame::NoFrame);
    Scroll->setFocusPolicy(Qt::NoFocus);
    Scroll->setWidgetResizable(true);
    Scroll->setWidget(central);
    window->setCentralWidget(Scroll);

    setupMenu(window);
    setupHelp(window);
    setupKeyboard();
    // A minimum width set outright is all a layout grants, so it must hold a language's words,
    // as measured in the window's own font.
    for (QComboBox* combo : window->findChildren<QComboBox*>()) {
        combo->setMinimumWidth(std::max(combo->minimumWidth(), combo->sizeHint().width()));
    }
    // Nothing is laid out yet, so the layouts have not heard of it by themselves (nor would the
    // pages from their scroll areas): the sizes they ask for are taken afresh.
    for (QLayout* layout : window->findChildren<QLayout*>()) {
        layout->invalidate();
    }
    for (PageScroll* scroll : window->findChildren<PageScroll*>()) {
        scroll->updateGeometry();
    }
    // A caption never touches its button's edges, however long a language's words.
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        const int padding = 2 * button->fontMetrics().averageCharWidth();
        button->setMinimumWidth(
            std::max(button->minimumWidth(), button->sizeHint().width() + padding));
    }
    // Continuous Get's caption blinks while it runs; assistive tools keep calling it by its name.
    new AssistiveText(*window, captions, captions.keys() << PlotButton, {BitBtn13});
}

QSize Form1Ui::wantedSize() const {
    const int needed = Scroll->widget()->minimumSizeHint().width() + 2 * Scroll->frameWidth();
    return {std::max(kWidth, needed), kHeight};
}

void Form1Ui::setupKeyboard() {
    FocusFrameStyle::install();
    // The connection first, as a session starts there; then the page, its tabs before its fields.
    walkFirst({ComboBox1, ComboBox2, BitBtn1, BitBtn11, BitBtn2, BitBtn3, TabbedNotebook1});
    turnPagesByKeyboard(*TabbedNotebook1);
}

void Form1Ui::setupAccessKeys() {
    // The menus' and the right panel's reach from every page, so no page may use them again. The
    // buttons every page has (Read, Write, Undo Changes) and the Torque page's own are keyed
    // together with the right panel, so that none of them goes without; each page's captions
    // then take what is left, in reading order.
    QSet<QChar> window;
    for (const QAction* menu : MainMenu1->actions()) {
        window.insert(accessKey(menu->text()));
    }
    // Where a language's captions have no Latin letters, the English caption's are offered.
    const std::pair<QWidget*, const char*> english[] = {
        {BitBtn1, "Connect"},     {BitBtn11, "Close"},      {BitBtn2, "Read Flash"},
        {BitBtn3, "Write Flash"}, {Label4, "Port"},         {Label5, "Bandrate"},
        {BitBtn5, "Read"},        {BitBtn4, "Write"},       {UndoButtons[BasicPage], "Undo"},
        {BitBtn12, "Get"},        {BitBtn13, "Continuous"}, {PlotButton, "Plot"}};
    for (const auto& [control, caption] : english) {
        control->setProperty("accessKeyHint", QLatin1String(caption));
    }
    const QList<QWidget*> panel{BitBtn1, BitBtn11, BitBtn2, BitBtn3, Label4, Label5};
    QSet<QChar> buttonKeys = window;
    giveAccessKeys(panel + QList<QWidget*>{BitBtn5, BitBtn4, UndoButtons[BasicPage], BitBtn12,
                                           BitBtn13, PlotButton},
                   buttonKeys);
    for (const QWidget* control : panel) {
        const auto* button = qobject_cast<const QPushButton*>(control);
        window.insert(
            accessKey(button ? button->text() : static_cast<const QLabel*>(control)->text()));
    }
    // The same caption, the same key, on every page.
    for (const auto& [from, to] : {std::pair{BitBtn5, BitBtn6},
                                   {BitBtn5, BitBtn8},
                                   {BitBtn5, BitBtn14},
                                   {BitBtn4, BitBtn7},
                                   {BitBtn4, BitBtn9},
                                   {BitBtn4, BitBtn15},
                                   {UndoButtons[BasicPage], UndoButtons[PedalAssistPage]},
                                   {UndoButtons[BasicPage], UndoButtons[ThrottleHandlePage]},
                                   {UndoButtons[BasicPage], UndoButtons[TorquePage]}}) {
        to->setText(from->text());
    }
    QSet<QLabel*> captioning;
    for (const QList<QLabel*>& labels : std::as_const(captions)) {
        for (QLabel* label : labels) {
            captioning.insert(label);
        }
    }
    const QList<QList<QWidget*>> pageButtons{
        {BitBtn5, BitBtn4, UndoButtons[BasicPage]},
        {BitBtn6, BitBtn7, UndoButtons[PedalAssistPage]},
        {BitBtn8, BitBtn9, UndoButtons[ThrottleHandlePage]},
        {BitBtn14, BitBtn15, BitBtn12, BitBtn13, PlotButton, UndoButtons[TorquePage]}};
    for (int page = 0; page < TabbedNotebook1->count(); ++page) {
        QList<QWidget*> keyed = pageButtons[page];
        for (QLabel* label : TabbedNotebook1->widget(page)->findChildren<QLabel*>()) {
            if (captioning.contains(label) && label->buddy() &&
                (label->buddy()->focusPolicy() & Qt::TabFocus)) {
                if (const Parameter* p = parameter(label->buddy()->objectName().toStdString())) {
                    label->setProperty("accessKeyHint", QString::fromStdString(p->label));
                }
                keyed.append(label);
            }
        }
        QSet<QChar> taken = window;
        giveAccessKeys(keyed, taken);
    }
}

QWidget* Form1Ui::setupRightPanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("Panel2"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 14, 14, 12);
    layout->setSpacing(10);

    Label1 = makeLabel(QStringLiteral("Quillon Motor"), panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(pixelFont(panel->font(), 28, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = makeLabel(QStringLiteral("Morvent V2.0"), panel);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(pixelFont(panel->font(), kTabPixels, true));
    Label2->setAlignment(Qt::AlignCenter);
    Label3 = new ClickableLabel(webAddress(), panel);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setCursor(Qt::PointingHandCursor);
    QFont linkFont = Label3->font();
    linkFont.setUnderline(true);
    Label3->setFont(linkFont);
    QPalette linkColours = Label3->palette();
    linkColours.setColor(QPalette::WindowText, linkColours.color(QPalette::Link));
    Label3->setPalette(linkColours);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addSpacing(6);

    GroupBox1 = new QGroupBox(tr("Network"), panel);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* network = makeFormGrid();
    GroupBox1->setLayout(network);
    // Wide enough for a device path or the simulated controller's name, which it must not cut.
    ComboBox1 = new PortComboBox(GroupBox1);
    configureCombo(ComboBox1, "ComboBox1", true, {}, 230);
    ComboBox2 = makeCombo("ComboBox2", true,
                          {QStringLiteral("1200"), QStringLiteral("9600"), QStringLiteral("19200"),
                           QStringLiteral("38400"), QStringLiteral("115200")},
                          150, GroupBox1);
    Label4 = makeLabel(tr("Port:"), GroupBox1);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setBuddy(ComboBox1);
    Label5 = makeLabel(tr("Bandrate:"), GroupBox1);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setBuddy(ComboBox2);
    captions[ComboBox1] = {Label4};
    captions[ComboBox2] = {Label5};
    network->addWidget(Label4, 0, 0);
    network->addWidget(ComboBox1, 0, 1, Qt::AlignLeft);
    network->addWidget(Label5, 1, 0);
    network->addWidget(ComboBox2, 1, 1, Qt::AlignLeft);
    BitBtn1 = makeButton("BitBtn1", tr("Connect"), GroupBox1);
    BitBtn11 =
        makeButton("BitBtn11", tr("Close", "ends the connection to the controller"), GroupBox1);
    network->addLayout(makeButtonRow(BitBtn1, BitBtn11), 2, 0, 1, 2);
    network->setColumnStretch(1, 1);
    layout->addWidget(GroupBox1);

    GroupBox2 = new QGroupBox(tr("Controller Info"), panel);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* info = new QVBoxLayout(GroupBox2);
    info->setSpacing(8);
    const auto infoLabel = [&](const char* name, const QString& caption) {
        QLabel* label = makeLabel(caption, GroupBox2);
        label->setObjectName(QLatin1String(name));
        // The captions are rewritten with whatever the controller reports, firmware texts of any
        // length included; a long one wraps or is cut rather than widening the window.
        QSizePolicy wraps(QSizePolicy::Ignored, QSizePolicy::Preferred);
        wraps.setHeightForWidth(true);
        label->setSizePolicy(wraps);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Greyed while the identity is the last controller's, yet still readable; text that can
        // be selected is drawn in the text role, the rest in the window's.
        QPalette greyed = label->palette();
        const QColor grey = readableGrey(greyed.color(QPalette::Active, QPalette::WindowText),
                                         greyed.color(QPalette::Active, QPalette::Window));
        greyed.setColor(QPalette::Disabled, QPalette::WindowText, grey);
        greyed.setColor(QPalette::Disabled, QPalette::Text, grey);
        label->setPalette(greyed);
        info->addWidget(label);
        return label;
    };
    Label6 = infoLabel("Label6", tr("Manufacturer:"));
    Label7 = infoLabel("Label7", tr("Model:"));
    Label8 = infoLabel("Label8", tr("Harware Ver:"));
    Label9 = infoLabel("Label9", tr("Firmware Ver:"));
    Label10 = infoLabel("Label10", tr("Nominal Voltage:"));
    Label11 = infoLabel("Label11", tr("Max.Current:"));
    layout->addWidget(GroupBox2);

    BitBtn2 = makeButton("BitBtn2", tr("Read Flash"), panel);
    BitBtn3 = makeButton("BitBtn3", tr("Write Flash"), panel);
    auto* flash = makeButtonRow(BitBtn2, BitBtn3);
    flash->insertStretch(-1, 1);
    layout->addLayout(flash);
    layout->addStretch(1);
    return panel;
}

QWidget* Form1Ui::setupBasicPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheetBasic"));
    QVBoxLayout* layout = makePageLayout(page);

    auto* top = makeFormGrid();
    layout->addLayout(top);
    ComboBox3 = makeCombo("ComboBox3", true, itemsOf("ComboBox3"), kShortComboWidth, page);
    // The voltage stays blank until a controller reports it or the technician picks one.
    ComboBox3->setCurrentIndex(-1);
    addComboRow(top, 0, ComboBox3);
    addEditRow(top, 1, 1);
    top->setColumnMinimumWidth(0, 170);
    top->setColumnStretch(2, 1);

    // One row per assist level, the two limits side by side.
    auto* assist = makeFormGrid();
    assist->setVerticalSpacing(5);
    layout->addLayout(assist);
    QLabel* currentHead = nullptr;
    QLabel* speedHead = nullptr;
    for (int row = 0; row < 10; ++row) {
        QLineEdit* current = makeEdit(2 + row, page);
        QLineEdit* speed = makeEdit(12 + row, page);
        if (row == 0) {
            currentHead = makeLabel(columnOf(current->objectName()), page);
            speedHead = makeLabel(columnOf(speed->objectName()), page);
            currentHead->setBuddy(current);
            speedHead->setBuddy(speed);
            assist->addWidget(currentHead, 0, 1);
            assist->addWidget(speedHead, 0, 2);
        }
        QLabel* label = makeLabel(labelOf(current->objectName()), page);
        label->setBuddy(current);
        captions[current] = {label, currentHead};
        captions[speed] = {label, speedHead};
        assist->addWidget(label, row + 1, 0);
        assist->addWidget(current, row + 1, 1, Qt::AlignLeft);
        assist->addWidget(speed, row + 1, 2, Qt::AlignLeft);
    }
    assist->setColumnMinimumWidth(0, 170);
    assist->setColumnMinimumWidth(1, 120);
    assist->setColumnMinimumWidth(2, 120);
    assist->setColumnStretch(3, 1);

    auto* meter = makeFormGrid();
    layout->addLayout(meter);
    // Both lists are filled when the window is first shown (wheelSizeItems, speedMeterItems).
    ComboBox4 = makeCombo("ComboBox4", true, {}, kShortComboWidth, page);
    addComboRow(meter, 0, ComboBox4);
    ComboBox5 = makeCombo("ComboBox5", false, {}, kWideComboWidth, page);
    addComboRow(meter, 1, ComboBox5);
    addEditRow(meter, 2, 22);
    meter->setColumnMinimumWidth(0, 170);
    meter->setColumnStretch(2, 1);

    layout->addStretch(1);
    QPushButton* undo = makeUndoButton(BasicPage, page);
    BitBtn5 = makeButton("BitBtn5", tr("Read"), page);
    BitBtn4 = makeButton("BitBtn4", tr("Write"), page);
    addPageButtons(page, makeButtonRow(BitBtn5, BitBtn4, undo));
    return page;
}

QWidget* Form1Ui::setupPedalAssistPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheetPedalAssist"));
    QVBoxLayout* layout = makePageLayout(page);
    auto* grid = makeFormGrid();
    layout->addLayout(grid);

    ComboBox6 = makeCombo("ComboBox6", true, itemsOf("ComboBox6"), kWideComboWidth, page);
    addComboRow(grid, 0, ComboBox6);
    ComboBox7 = makeCombo("ComboBox7", true, itemsOf("ComboBox7"), kWideComboWidth, page);
    // The assist level reads "By Display's Command" with no item selected: a write made before
    // a read or a choice sends the code of no selection, not that of the first item.
    ComboBox7->setCurrentIndex(-1);
    ComboBox7->setEditText(ComboBox7->itemText(0));
    addComboRow(grid, 1, ComboBox7);
    ComboBox8 = makeCombo("ComboBox8", true, itemsOf("ComboBox8"), kWideComboWidth, page);
    addComboRow(grid, 2, ComboBox8);
    addEditRow(grid, 3, 23);
    ComboBox9 = makeCombo("ComboBox9", true, itemsOf("ComboBox9"), kShortComboWidth, page);
    addComboRow(grid, 4, ComboBox9);
    addEditRow(grid, 5, 24);
    ComboBox10 = makeCombo("ComboBox10", true, itemsOf("ComboBox10"), kWideComboWidth, page);
    addComboRow(grid, 6, ComboBox10);
    addEditRow(grid, 7, 25);
    addEditRow(grid, 8, 26);
    addEditRow(grid, 9, 27);
    addEditRow(grid, 10, 31);
    alignLabelsRight(grid);
    grid->setColumnStretch(2, 1);

    layout->addStretch(1);
    QPushButton* undo = makeUndoButton(PedalAssistPage, page);
    BitBtn6 = makeButton("BitBtn6", tr("Read"), page);
    BitBtn7 = makeButton("BitBtn7", tr("Write"), page);
    addPageButtons(page, makeButtonRow(BitBtn6, BitBtn7, undo));
    return page;
}

QWidget* Form1Ui::setupThrottleHandlePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheetThrottleHandle"));
    QVBoxLayout* layout = makePageLayout(page);
    auto* grid = makeFormGrid();
    layout->addLayout(grid);

    addEditRow(grid, 0, 28);
    addEditRow(grid, 1, 29);
    ComboBox11 = makeCombo("ComboBox11", true, itemsOf("ComboBox11"), kWideComboWidth, page);
    addComboRow(grid, 2, ComboBox11);
    ComboBox12 = makeCombo("ComboBox12", true, itemsOf("ComboBox12"), kWideComboWidth, page);
    addComboRow(grid, 3, ComboBox12);
    ComboBox13 = makeCombo("ComboBox13", true, itemsOf("ComboBox13"), kWideComboWidth, page);
    addComboRow(grid, 4, ComboBox13);
    addEditRow(grid, 5, 30);
    alignLabelsRight(grid);
    grid->setColumnStretch(2, 1);

    layout->addStretch(1);
    QPushButton* undo = makeUndoButton(ThrottleHandlePage, page);
    BitBtn8 = makeButton("BitBtn8", tr("Read"), page);
    BitBtn9 = makeButton("BitBtn9", tr("Write"), page);
    addPageButtons(page, makeButtonRow(BitBtn8, BitBtn9, undo));
    return page;
}

QWidget* Form1Ui::setupTorquePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheetTorque"));
    QVBoxLayout* layout = makePageLayout(page);
    layout->addWidget(setupTorqueCalibration(page));
    layout->addWidget(setupTorqueGrid(page));

    layout->addWidget(setupAboutTq(page), 0, Qt::AlignLeft);
    // Under the readings it repeats, outside the group: unlike "Get" it keeps asking until it is
    // pressed again.
    BitBtn13 = makeButton("BitBtn13", tr("Continuous Get"), page);
    BitBtn13->setMinimumWidth(140);
    layout->addWidget(BitBtn13, 0, Qt::AlignLeft);

    layout->addStretch(1);
    QPushButton* undo = makeUndoButton(TorquePage, page);
    BitBtn14 = makeButton("BitBtn14", tr("Read"), page);
    BitBtn15 = makeButton("BitBtn15", tr("Write"), page);
    addPageButtons(page, makeButtonRow(BitBtn14, BitBtn15, undo));
    return page;
}

// Base and error voltages, the delta voltage of each load band, and the boost time. The bands
// stand in two columns, lighter loads on the left, each with its unit beside the field.
QWidget* Form1Ui::setupTorqueCalibration(QWidget* page) {
    auto* box = new QWidget(page);
    box->setObjectName(QStringLiteral("TorqueCalibration"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    // Columns: caption, band or bound, field, unit, gap, then band or bound, field, unit again.
    const QString mV = QStringLiteral("mV");
    // The caption of the group of fields being laid out ("Error Voltage:"), if any.
    QLabel* group = nullptr;
    const auto field = [&](int row, int column, int span, int n, const QString& unit) {
        QLineEdit* f = makeEdit(n, box);
        QLabel* label = makeLabel(labelOf(f->objectName()), box);
        label->setBuddy(f);
        QLabel* unitLabel = makeLabel(unit, box);
        unitLabel->setBuddy(f);
        if (group && !group->buddy()) {
            group->setBuddy(f);
        }
        captions[f] = group ? QList<QLabel*>{group, label} : QList<QLabel*>{label};
        grid->addWidget(label, row, column, 1, span);
        grid->addWidget(f, row, column + span);
        grid->addWidget(unitLabel, row, column + span + 1);
    };
    const auto caption = [&](int row, int n) {
        group = makeLabel(columnOf(QString::fromStdString(editName(n))), box);
        grid->addWidget(group, row, 0);
    };

    field(0, 0, 2, 32, mV);
    caption(1, 33);
    field(1, 1, 1, 33, mV);
    field(1, 5, 1, 34, mV);
    caption(2, 35);
    // Created column by column, so the keyboard walks down the lighter bands first.
    for (int band = 0; band < 8; ++band) {
        field(2 + band % 4, band < 4 ? 1 : 5, 1, 35 + band, mV);
    }
    group = nullptr;
    field(6, 0, 2, 43, tr("×10mS"));

    grid->setColumnMinimumWidth(4, 24);
    grid->setColumnStretch(8, 1);
    return box;
}

// Rows are the quantities, columns the speed points.
QWidget* Form1Ui::setupTorqueGrid(QWidget* page) {
    auto* box = new QWidget(page);
    box->setObjectName(QStringLiteral("TorqueGrid"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 6, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    const auto cell = [](int r, int c) {
        return QString::fromStdString(editName(torqueGridEdit(r, c)));
    };
    std::array<QLabel*, kTorqueGridColumns> speeds{};
    for (int c = 0; c < kTorqueGridColumns; ++c) {
        speeds[static_cast<std::size_t>(c)] = makeHead(columnOf(cell(0, c)), box);
        grid->addWidget(speeds[static_cast<std::size_t>(c)], 0, c + 1);
    }
    for (int r = 0; r < kTorqueGridRows; ++r) {
        QLabel* head = makeLabel(labelOf(cell(r, 0)), box);
        grid->addWidget(head, r + 1, 0);
        for (int c = 0; c < kTorqueGridColumns; ++c) {
            QLineEdit* field = makeEdit(torqueGridEdit(r, c), box);
            QLabel* speed = speeds[static_cast<std::size_t>(c)];
            // A head captions its row's or column's first field; every field is named by both.
            if (c == 0) {
                head->setBuddy(field);
            }
            if (r == 0) {
                speed->setBuddy(field);
            }
            captions[field] = {head, speed};
            grid->addWidget(field, r + 1, c + 1, Qt::AlignHCenter);
        }
    }
    grid->setColumnStretch(7, 1);
    return box;
}

QGroupBox* Form1Ui::setupAboutTq(QWidget* page) {
    GroupBoxAboutTq = new QGroupBox(tr("About Tq"), page);
    GroupBoxAboutTq->setObjectName(QStringLiteral("GroupBoxAboutTq"));
    auto* grid = new QGridLayout(GroupBoxAboutTq);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    // Measurements, not settings: shown, never typed.
    const auto reading = [&](int row, int column, std::size_t r) {
        const LiveReading& shown = kLiveReadings[r];
        QString caption = shownText(shown.name);
        if (!shown.unit.empty()) {
            caption += QStringLiteral("(%1)").arg(
                QString::fromUtf8(shown.unit.data(), static_cast<qsizetype>(shown.unit.size())));
        }
        caption = tr("%1:").arg(caption);
        QLabel* label = makeLabel(caption, GroupBoxAboutTq);
        QLineEdit* f = makeEdit(kFirstLiveReadingEdit + static_cast<int>(r), GroupBoxAboutTq);
        f->setReadOnly(true);
        // Read by eye or by a screen reader's review, never typed: Tab passes them by.
        f->setFocusPolicy(Qt::ClickFocus);
        QPalette colours = f->palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::Window));
        f->setPalette(colours);
        label->setBuddy(f);
        captions[f] = {label};
        grid->addWidget(label, row, column);
        grid->addWidget(f, row, column + 1);
    };
    // The high and low times of the speed signal side by side.
    reading(0, 0, 0);
    reading(0, 3, 1);
    reading(1, 0, 2);
    reading(1, 3, 3);
    reading(2, 0, 4);
    grid->setColumnMinimumWidth(2, 24);
    // "Get" sits under the right-hand column of readings with "Plot..." to its left, in the gap
    // between the columns, so the group gains no row and the Torque page no height.
    PlotButton = makeButton("PlotButton", tr("Plot..."), GroupBoxAboutTq);
    PlotButton->setToolTip(tr("Plot the readings of the last minute"));
    PlotButton->setMinimumWidth(80);
    BitBtn12 = makeButton("BitBtn12", tr("Get"), GroupBoxAboutTq);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(PlotButton);
    buttons->addWidget(BitBtn12);
    grid->addLayout(buttons, 2, 2, 1, 3, Qt::AlignRight);
    return GroupBoxAboutTq;
}

void Form1Ui::setupMenu(QMainWindow* window) {
    MainMenu1 = window->menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    File1 = MainMenu1->addMenu(tr("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    Save1 = File1->addAction(tr("&Save"));
    Save1->setObjectName(QStringLiteral("Save1"));
    Save1->setShortcut(QKeySequence::Save);
    Load1 = File1->addAction(tr("&Load"));
    Load1->setObjectName(QStringLiteral("Load1"));
    Load1->setShortcut(QKeySequence::Open);
    LoadBackup1 = File1->addAction(tr("Load &Backup..."));
    LoadBackup1->setObjectName(QStringLiteral("LoadBackup1"));
    File1->addSeparator();
    CompareWithFile1 = File1->addAction(tr("Compare With &File..."));
    CompareWithFile1->setObjectName(QStringLiteral("CompareWithFile1"));
    CompareWithController1 = File1->addAction(tr("Compare With &Controller"));
    CompareWithController1->setObjectName(QStringLiteral("CompareWithController1"));
    // Until the File menu opens on a connected window.
    CompareWithController1->setEnabled(false);
    ClearComparison1 = File1->addAction(tr("Clear Compa&rison"));
    ClearComparison1->setObjectName(QStringLiteral("ClearComparison1"));
    File1->addSeparator();
    OpenBackupsFolder1 = File1->addAction(tr("&Open Backups Folder"));
    OpenBackupsFolder1->setObjectName(QStringLiteral("OpenBackupsFolder1"));
    File1->addSeparator();
    ExportReport1 = File1->addAction(tr("&Export Report..."));
    ExportReport1->setObjectName(QStringLiteral("ExportReport1"));
    Print1 = File1->addAction(tr("&Print..."));
    Print1->setObjectName(QStringLiteral("Print1"));
    Print1->setShortcut(QKeySequence::Print);
    ReportSettings1 = File1->addAction(tr("Report Se&ttings..."));
    ReportSettings1->setObjectName(QStringLiteral("ReportSettings1"));
    File1->addSeparator();
    Quit1 = File1->addAction(tr("&Quit"));
    Quit1->setObjectName(QStringLiteral("Quit1"));
    // Spelled out: some desktops' key schemes bind no quitting key.
    Quit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    EditMenu = MainMenu1->addMenu(tr("&Edit"));
    EditMenu->setObjectName(QStringLiteral("EditMenu"));
    ReviewChanges1 = EditMenu->addAction(tr("&Review Changes..."));
    ReviewChanges1->setObjectName(QStringLiteral("ReviewChanges1"));
    ReviewChanges1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    // A command of its own on the bar, triggered by a click, with no menu to open.
    Help1 = MainMenu1->addAction(tr("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
}

void Form1Ui::setupHelp(QMainWindow* window) {
    for (const Parameter& p : parameterTable()) {
        if (auto* control = window->findChild<QWidget*>(QString::fromStdString(p.control))) {
            control->setToolTip(shownText(parameterHelpWording(p.control)));
        }
    }
    for (const FieldLayout& reading : liveReadingFields()) {
        window->findChild<QWidget*>(QString::fromStdString(reading.control))
            ->setToolTip(
                tr("A live reading of the torque sensor, as the controller measured it when last "
                   "asked "
                   "(Get, Continuous Get, Read Flash).\nRead only; not kept in parameter files."));
    }
    ComboBox1->setToolTip(tr("The serial port the controller is on; a device path may be typed."));
    ComboBox2->setToolTip(
        tr("The line speed. Connect finds the controller's own by trying each in turn from the "
           "first; once it answers, the line runs at 9600."));
}

} // namespace morvent
