#pragma once
// The technical-support window: the maker's support text and a Close button.

#include "toolkit/form.h"

class TButton;
class TMemo;

// The support text: two paragraphs with one empty line between them.
String TechSupportText(const String& companyName, const String& callHow);

class TTechForm : public TForm {
public:
    explicit TTechForm(TComponent* owner);
    String ClassName() const override { return "TTechForm"; }

    // Builds the window, owned by `owner`, hidden; Close runs `closeClick`.
    static TTechForm* Build(TForm& owner, const String& companyName, const String& callHow, TNotifyEvent closeClick);

    TMemo* TechMemo = nullptr;
    TButton* CloseButton = nullptr;
};
