#include "setupctrls/pci_form.h"

#include "setupctrls/text_window.h"
#include "toolkit/stdctrls.h"

TPCIForm::TPCIForm(TComponent* owner) : TForm(owner) {}

TPCIForm* TPCIForm::Build(TForm& owner, const String& cardName, TNotifyEvent closeClick) {
    auto* form = new TPCIForm(&owner);
    form->SetName("PCIForm");
    form->SetCaption(cardName + " Cards installed");
    form->SetFormStyle(TFormStyle::fsStayOnTop);
    form->SetPosition(TPosition::poDefaultPosOnly);

    // The button is placed against the bare window's outer width and is not
    // centred again after the fit.
    TTextWindowParts parts = AddTextAndClose(*form, "PCIMemo", (form->Width() - 73) / 2, std::move(closeClick));
    form->PCIMemo = parts.Text;
    form->CloseButton = parts.Close;
    parts.Text->Font().SetName("Tahoma");
    parts.Text->Font().SetSize(10);
    parts.Text->Font().SetStyle(fsBold);
    FitTextWindow(*form, parts, false);
    form->SetVisible(true);
    return form;
}
