#pragma once
// The installed-cards window: one line per card the driver reports, or
// "No Card Found", and a Close button.

#include "toolkit/form.h"

class TButton;
class TMemo;

class TPCIForm : public TForm {
public:
    explicit TPCIForm(TComponent* owner);
    String ClassName() const override { return "TPCIForm"; }

    // Builds the window, owned by `owner`, shown at once; Close runs `closeClick`.
    static TPCIForm* Build(TForm& owner, const String& cardName, TNotifyEvent closeClick);

    TMemo* PCIMemo = nullptr;
    TButton* CloseButton = nullptr;
};
