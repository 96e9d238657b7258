#include "setupctrls/text_window.h"

#include "toolkit/stdctrls.h"

TTextWindowParts AddTextAndClose(TForm& form, const String& textName, int closeLeft, TNotifyEvent closeClick) {
    TTextWindowParts parts;
    parts.Text = new TMemo(&form);
    parts.Text->SetName(textName);
    parts.Text->SetParent(&form);
    parts.Text->SetBounds(8, 8, 305, 89);
    parts.Text->SetReadOnly(true);
    parts.Text->SetScrollBars(TScrollStyle::ssVertical);
    parts.Text->SetWordWrap(true);

    parts.Close = new TButton(&form);
    parts.Close->SetName("CloseButton");
    parts.Close->SetParent(&form);
    parts.Close->SetBounds(closeLeft, 105, 73, 25);
    parts.Close->SetCancel(true);
    parts.Close->SetCaption("Close");
    parts.Close->SetTabOrder(0);
    parts.Close->OnClick = std::move(closeClick);
    parts.Text->SetTabOrder(1);
    return parts;
}

void FitTextWindow(TForm& form, const TTextWindowParts& parts, bool centreClose) {
    form.FitToChildren();
    parts.Text->SetAnchors(akLeft | akTop | akRight | akBottom);
    if (centreClose) {
        TButton& close = *parts.Close;
        close.SetBounds((form.ClientWidth() - close.Width()) / 2, close.Top(), close.Width(), close.Height());
    }
    parts.Close->SetAnchors(akBottom);
}
