#include "setupctrls/tech_form.h"

#include "toolkit/stdctrls.h"

String TechSupportText(const String& company, const String& callHow) {
    return "There are several ways to get technical support. First and fastest is to skim the relevant sections of "
           "the manual. However, some questions require personal assistance, and " +
           company + " stands ready to provide that help. You can call us " + callHow +
           " for any of your product questions.\r\n\r\n"
           "In order to provide the best and fastest support possible, we ask that you be at your computer when you "
           "call, and have the " +
           company + " product manual and Software Master CD at hand.";
}

TTechForm::TTechForm(TComponent* owner) : TForm(owner) {}

TTechForm* TTechForm::Build(TForm& owner, const String& companyName, const String& callHow, TNotifyEvent closeClick) {
    auto* form = new TTechForm(&owner);
    form->SetName("TechForm");
    form->SetCaption("Technical Support");
    form->SetFormStyle(TFormStyle::fsStayOnTop);
    form->SetPosition(TPosition::poDefaultPosOnly);

    auto* memo = new TMemo(form);
    form->TechMemo = memo;
    memo->SetName("TechMemo");
    memo->SetParent(form);
    memo->SetBounds(8, 8, 305, 89);
    memo->SetReadOnly(true);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    memo->SetWordWrap(true);
    memo->SetText(TechSupportText(companyName, callHow));

    auto* close = new TButton(form);
    form->CloseButton = close;
    close->SetName("CloseButton");
    close->SetParent(form);
    close->SetBounds(165, 105, 73, 25);
    close->SetCancel(true);
    close->SetCaption("Close");
    close->SetTabOrder(0);
    close->OnClick = std::move(closeClick);
    memo->SetTabOrder(1);

    form->FitToChildren();
    memo->SetAnchors(akLeft | akTop | akRight | akBottom);
    close->SetBounds((form->ClientWidth() - close->Width()) / 2, close->Top(), close->Width(), close->Height());
    close->SetAnchors(akBottom);
    return form;
}
