#include "toolkit/stdctrls.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "toolkit/exceptions.h"
#include "toolkit/widget_bridge_p.h"

namespace {

QPushButton* ButtonOf(const TWinControl& c) { return static_cast<QPushButton*>(c.Widget()); }
QPlainTextEdit* EditOf(const TWinControl& c) { return static_cast<QPlainTextEdit*>(c.Widget()); }

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

void TMemo::SetReadOnly(bool readOnly) {
    FReadOnly = readOnly;
    EditOf(*this)->setReadOnly(readOnly);
}

void TMemo::SetScrollBars(TScrollStyle style) {
    FScrollBars = style;
    bool vertical = style == TScrollStyle::ssVertical || style == TScrollStyle::ssBoth;
    bool horizontal = style == TScrollStyle::ssHorizontal || style == TScrollStyle::ssBoth;
    EditOf(*this)->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    EditOf(*this)->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetWordWrap(bool wrap) {
    FWordWrap = wrap;
    EditOf(*this)->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::ColorChanged() {
    TColor rgb = ColorToRGB(Color());
    QPalette palette = EditOf(*this)->palette();
    palette.setColor(QPalette::Base, QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
    EditOf(*this)->setPalette(palette);
}
