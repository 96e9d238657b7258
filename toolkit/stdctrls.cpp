#include "toolkit/stdctrls.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <cmath>

#include "toolkit/exceptions.h"
#include "toolkit/scroll_area_p.h"
#include "toolkit/widget_bridge_p.h"

namespace {

QPushButton* ButtonOf(const TWinControl& c) { return static_cast<QPushButton*>(c.Widget()); }
QPlainTextEdit* EditOf(const TWinControl& c) { return static_cast<QPlainTextEdit*>(c.Widget()); }
QRadioButton* RadioOf(const TWinControl& c) { return static_cast<QRadioButton*>(c.Widget()); }

}  // namespace

// ---- TButton -----------------------------------------------------------

TButton::TButton(TComponent* owner) : TWinControl(owner, &MakeBridge<QPushButton>) {
    StoreBounds(0, 0, 75, 25);
    SetTabStop(true);
    QObject::connect(ButtonOf(*this), &QPushButton::clicked, [this] { CallSafely([this] { Click(); }); });
}

void TButton::SetDefault(bool isDefault) {
    FDefault = isDefault;
    ButtonOf(*this)->setDefault(isDefault);
    ButtonOf(*this)->setAutoDefault(false);
}

void TButton::CaptionChanged() { ButtonOf(*this)->setText(QString::fromStdString(Caption())); }

// ---- TMemo -------------------------------------------------------------

TMemo::TMemo(TComponent* owner) : TWinControl(owner, &MakeBridge<QPlainTextEdit>) {
    StoreBounds(0, 0, 185, 89);
    SetTabStop(true);
    SetColor(clWindow);
    EditOf(*this)->setFrameShape(QFrame::StyledPanel);
    SetScrollBars(TScrollStyle::ssNone);
}

TStrings TMemo::Lines() const {
    TStrings lines;
    QString text = EditOf(*this)->toPlainText();
    if (text.isEmpty()) return lines;
    for (const QString& line : text.split('\n')) lines.Add(line.toStdString());
    return lines;
}

void TMemo::SetLines(const TStrings& lines) { EditOf(*this)->setPlainText(QString::fromStdString(lines.Text())); }

void TMemo::SetText(const String& text) {
    QString plain = QString::fromStdString(text);
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EditOf(*this)->setPlainText(plain);
}

void TMemo::SetReadOnly(bool readOnly) {
    FReadOnly = readOnly;
    EditOf(*this)->setReadOnly(readOnly);
}

void TMemo::SetScrollBars(TScrollStyle style) {
    FScrollBars = style;
    ApplyScrollBars(*EditOf(*this), style);
}

void TMemo::SetWordWrap(bool wrap) {
    FWordWrap = wrap;
    EditOf(*this)->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::ColorChanged() { ApplyBackground(*EditOf(*this), Color()); }

// ---- TRadioButton ------------------------------------------------------

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner, &MakeBridge<QRadioButton>) {
    StoreBounds(0, 0, 113, 17);
    QObject::connect(RadioOf(*this), &QRadioButton::toggled, [this](bool on) { UserToggled(on); });
}

void TRadioButton::CaptionChanged() { RadioOf(*this)->setText(QString::fromStdString(Caption())); }

void TRadioButton::UserToggled(bool on) {
    if (FSetting || on == FChecked) return;
    FChecked = on;
    // Qt unchecks the sibling first; a newly checked button reports its click.
    if (on) CallSafely([this] { Click(); });
}

void TRadioButton::SetChecked(bool checked) {
    if (checked == FChecked) return;
    FChecked = checked;
    FSetting = true;
    if (checked && Parent()) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
            if (other && other != this && other->FChecked) {
                other->FChecked = false;
                other->FSetting = true;
                RadioOf(*other)->setChecked(false);
                other->FSetting = false;
            }
        }
    }
    // Qt keeps one of a parent's buttons checked; lift that while unchecking.
    RadioOf(*this)->setAutoExclusive(checked);
    RadioOf(*this)->setChecked(checked);
    RadioOf(*this)->setAutoExclusive(true);
    FSetting = false;
    if (checked && !IsLoading()) Click();
}

// ---- TRadioGroup -------------------------------------------------------

namespace {

QStyleOptionGroupBox GroupOption(const TRadioGroup& group) {
    QStyleOptionGroupBox option;
    option.initFrom(group.Widget());
    option.rect = QRect(0, 0, group.Width(), group.Height());
    option.text = QString::fromStdString(group.Caption());
    option.subControls = QStyle::SC_GroupBoxFrame | (group.Caption().empty() ? QStyle::SC_None : QStyle::SC_GroupBoxLabel);
    option.lineWidth = 1;
    option.textAlignment = Qt::AlignLeft;
    option.fontMetrics = QFontMetrics(group.Font().ToQFont());
    return option;
}

}  // namespace

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomControl(owner) {
    StoreBounds(0, 0, 185, 105);
    SetTabStop(true);
}

void TRadioGroup::SetItems(const TStrings& items) {
    FItems.Assign(items);
    RebuildButtons();
    if (IsLoading()) return;
    if (FItemIndex >= FItems.Count()) FItemIndex = -1;
    FSetting = true;
    for (int i = 0; i < ButtonCount(); ++i) FButtons[std::size_t(i)]->SetChecked(i == FItemIndex);
    FSetting = false;
}

void TRadioGroup::SetColumns(int columns) {
    columns = std::clamp(columns, 1, 16);
    if (columns == FColumns) return;
    FColumns = columns;
    ArrangeButtons();
}

void TRadioGroup::Loaded() {
    TCustomControl::Loaded();
    // A definition may give the index before the items.
    if (FItemIndex >= FItems.Count()) FItemIndex = -1;
    FSetting = true;
    for (int i = 0; i < ButtonCount(); ++i) FButtons[std::size_t(i)]->SetChecked(i == FItemIndex);
    FSetting = false;
}

void TRadioGroup::SetItemIndex(int index) {
    if (IsLoading()) {
        FItemIndex = index;
        return;
    }
    if (index < -1 || index >= FItems.Count()) index = -1;
    if (index == FItemIndex) return;
    FItemIndex = index;
    FSetting = true;
    for (int i = 0; i < ButtonCount(); ++i) FButtons[std::size_t(i)]->SetChecked(i == index);
    FSetting = false;
    if (!IsLoading()) Click();
}

void TRadioGroup::ButtonClicked(TObject* sender) {
    if (FSetting) return;
    for (int i = 0; i < ButtonCount(); ++i)
        if (FButtons[std::size_t(i)] == sender && i != FItemIndex) {
            FItemIndex = i;
            Click();
            return;
        }
}

void TRadioGroup::RebuildButtons() {
    // The item buttons belong to the group: owned by it, destroyed with it.
    for (TRadioButton* b : FButtons) delete b;
    FButtons.clear();
    for (const String& item : FItems) {
        auto* b = new TRadioButton(this);
        b->SetCaption(item);
        b->SetParent(this);
        b->OnClick = Bind(this, &TRadioGroup::ButtonClicked);
        FButtons.push_back(b);
    }
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
    if (FButtons.empty()) return;
    // Items share the style's content area of the box in equal rows and columns.
    QStyleOptionGroupBox option = GroupOption(*this);
    QRect area = Widget()->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, Widget());
    QFontMetrics metrics(Font().ToQFont());
    const int rows = (int(FButtons.size()) + FColumns - 1) / FColumns;
    const int columnWidth = area.width() / FColumns;
    const int rowHeight = std::max(1, area.height() / rows);
    const int buttonHeight = std::min(rowHeight, metrics.height() + 4);
    for (int i = 0; i < ButtonCount(); ++i) {
        int column = i / rows, row = i % rows;
        int y = area.top() + row * area.height() / rows + (rowHeight - buttonHeight) / 2;
        FButtons[std::size_t(i)]->SetBounds(area.left() + column * columnWidth, y, columnWidth, buttonHeight);
    }
}

void TRadioGroup::FontChanged() {
    TCustomControl::FontChanged();
    ArrangeButtons();
}

void TRadioGroup::CaptionChanged() {
    Invalidate();
    ArrangeButtons();
}

void TRadioGroup::Paint() {
    TCanvas& c = Canvas();
    if (!c.HasTarget()) return;
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Brush.Color = Color();
    c.FillRect(ClientRect());
    c.Flush();
    // The platform's own group frame, so the box looks like the rest of the desktop.
    QPainter p(c.Target());
    p.translate(c.Origin().X, c.Origin().Y);
    QStyleOptionGroupBox option = GroupOption(*this);
    p.setFont(Font().ToQFont());
    Widget()->style()->drawComplexControl(QStyle::CC_GroupBox, &option, &p, Widget());
}
