#include "toolkit/rich_edit.h"

#include <QTextDocument>
#include <QTextEdit>

#include "toolkit/rtf.h"
#include "toolkit/scroll_area_p.h"
#include "toolkit/widget_bridge_p.h"

namespace {

QTextEdit* EditOf(const TWinControl& c) { return static_cast<QTextEdit*>(c.Widget()); }

}  // namespace

TRichEdit::TRichEdit(TComponent* owner) : TWinControl(owner, &MakeBridge<QTextEdit>) {
    StoreBounds(0, 0, 185, 89);
    SetTabStop(true);
    SetColor(clWindow);
    EditOf(*this)->setFrameShape(QFrame::StyledPanel);
    EditOf(*this)->setLineWrapMode(QTextEdit::WidgetWidth);
    // Pasted or dropped content would bypass the RTF subset the box is made for.
    EditOf(*this)->setAcceptRichText(false);
    SetScrollBars(TScrollStyle::ssNone);
}

void TRichEdit::SetReadOnly(bool readOnly) {
    FReadOnly = readOnly;
    EditOf(*this)->setReadOnly(readOnly);
}

void TRichEdit::SetScrollBars(TScrollStyle style) {
    FScrollBars = style;
    ApplyScrollBars(*EditOf(*this), style);
}

void TRichEdit::LoadRtf(const String& rtf) {
    QTextDocument* document = EditOf(*this)->document();
    document->clear();
    ReadRtf(rtf, *document);
    EditOf(*this)->moveCursor(QTextCursor::Start);  // shown from the top
}

String TRichEdit::PlainText() const { return EditOf(*this)->toPlainText().toStdString(); }

QTextDocument* TRichEdit::Document() const { return EditOf(*this)->document(); }

void TRichEdit::ColorChanged() { ApplyBackground(*EditOf(*this), Color()); }
