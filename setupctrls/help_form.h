#pragma once
// The help window: a heading, the explanation of the board page as rich
// text, and a Start button that hides the window and opens the first spot's
// popup on the board.

#include "toolkit/form.h"

class TButton;
class TLabel;
class TRichEdit;

// What the help text says about the board.
struct THelpValues {
    String CompanyName;
    String CardName;
    String SeriesSuffix;    // " Series" or empty
    bool MultiPort = false;  // adds the note about repeating the setup per port
    bool ListsCards = false; // adds the sentence about the installed-cards entry
};

// The help document, as RTF. Names are escaped, so a backslash or a brace in
// one stays text.
String ComposeHelpDocument(const THelpValues& values);

// The help window's client size on a screen of the given size: 305 x 138,
// scaled up on screens larger than 800 x 450.
TPoint HelpClientSize(int screenWidth, int screenHeight);

class THelpForm : public TForm {
public:
    explicit THelpForm(TComponent* owner);
    String ClassName() const override { return "THelpForm"; }

    // Builds the window, owned by `owner`, hidden.
    static THelpForm* Build(TForm& owner, const THelpValues& values);

    TRichEdit* HelpRich = nullptr;
    TLabel* HelpLabel = nullptr;
    TButton* StartButton = nullptr;

    // Hides the help and opens the first highlight's popup on the main
    // window's first board image.
    void StartButtonClick(TObject* sender);
};
