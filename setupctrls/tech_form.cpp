#include "setupctrls/tech_form.h"

#include "setupctrls/text_window.h"
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

    TTextWindowParts parts = AddTextAndClose(*form, "TechMemo", 165, std::move(closeClick));
    form->TechMemo = parts.Text;
    form->CloseButton = parts.Close;
    parts.Text->SetText(TechSupportText(companyName, callHow));
    FitTextWindow(*form, parts, true);
    return form;
}
