#include "setupctrls/pci_form.h"

#include "toolkit/stdctrls.h"

TPCIForm::TPCIForm(TComponent* owner) : TForm(owner) {}

TPCIForm* TPCIForm::Build(TForm& owner, const String& cardName, TNotifyEvent closeClick) {
    auto* form = new TPCIForm(&owner);
    form->SetName("PCIForm");
    form->SetCaption(cardName + " Cards installed");
    form->SetFormStyle(TFormStyle::fsStayOnTop);
    form->SetPosition(TPosition::poDefaultPosOnly);

    auto* memo = new TMemo(form);
    form->PCIMemo = memo;
    memo->SetName("PCIMemo");
    memo->SetParent(form);
    memo->SetBounds(8, 8, 305, 89);
    memo->Font().SetName("Tahoma");
    memo->Font().SetSize(10);
    memo->Font().SetStyle(fsBold);
    memo->SetReadOnly(true);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    memo->SetWordWrap(true);

    auto* close = new TButton(form);
    form->CloseButton = close;
    close->SetName("CloseButton");
    close->SetParent(form);
    // Measured against the bare window's outer width, before the fit below.
    close->SetBounds((form->Width() - 73) / 2, 105, 73, 25);
    close->SetCancel(true);
    close->SetCaption("Close");
    close->SetTabOrder(0);
    close->OnClick = std::move(closeClick);
    memo->SetTabOrder(1);

    form->FitToChildren();
    memo->SetAnchors(akLeft | akTop | akRight | akBottom);
    close->SetAnchors(akBottom);
    form->SetVisible(true);
    return form;
}
