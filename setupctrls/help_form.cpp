#include "setupctrls/help_form.h"

#include <algorithm>

#include "setupctrls/board_image.h"
#include "toolkit/application.h"
#include "toolkit/label.h"
#include "toolkit/rich_edit.h"
#include "toolkit/rtf.h"
#include "toolkit/stdctrls.h"

String ComposeHelpDocument(const THelpValues& v) {
    const String company = RtfEscape(v.CompanyName);
    const String card = RtfEscape(v.CardName);
    const String series = RtfEscape(v.SeriesSuffix);
    String doc =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}"
        "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;\\red255\\green64\\blue64;}"
        "\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0\r\n{\\b ";
    doc += company + " " + card + series;
    doc += " Settings Program}\\par\\par\\fs24\r\n";
    doc += "This program will help you configure the option jumpers and settings associated with this product. "
           "You should have the product in-hand when first using this program.\\par\\par\r\n";
    doc += "{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and switches.\\par\\par\r\n";
    doc += "{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on standard and optional "
           "features of the product family.\\par\\par\r\n";
    doc += "{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require actually "
           "controlling the hardware device. Run this settings program again once the card is installed. ";
    doc += "Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then perform the "
           "{\\cf3 calibration circles}.\\par\\par\r\n";
    doc += "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, "
           "{\\cf2 features}, and {\\cf3 calibration}. Click a highlight circle to make its popup remain on-screen. ";
    doc += "You can have all or as many of these popups onscreen at the same time as you desire.\\par\\par\r\n";
    if (v.MultiPort) {
        doc += "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the configuration "
               "options for each port are handled identically; ";
        doc += "this program only shows the setup once, but you need to perform this setup for each group of options "
               "on your device.\\par\\par\r\n";
    }
    if (v.ListsCards) {
        doc += "To see a list of " + card + " cards installed, click \"Display " + card +
               " Cards Installed\" under the File menu.\\par\\par\r\n";
    }
    doc += "}";
    return doc;
}

TPoint HelpClientSize(int screenWidth, int screenHeight) {
    double s = std::min(screenHeight / 450.0, screenWidth / 800.0);
    if (s < 1) s = 1;
    return {RoundHalfEven(305 * s), RoundHalfEven(138 * s)};
}

THelpForm::THelpForm(TComponent* owner) : TForm(owner) {}

THelpForm* THelpForm::Build(TForm& owner, const THelpValues& values) {
    auto* form = new THelpForm(&owner);
    form->SetName("HelpForm");
    form->SetCaption("Instructions for Settings utility");
    form->SetFormStyle(TFormStyle::fsStayOnTop);
    form->SetPosition(TPosition::poMainFormCenter);

    auto* label = new TLabel(form);
    form->HelpLabel = label;
    label->SetName("HelpLabel");
    label->SetParent(form);
    label->SetAlign(TAlign::alTop);
    label->SetAlignment(TAlignment::taCenter);
    label->Font().SetName("Verdana");
    label->Font().SetSize(12);
    label->Font().SetStyle(fsBold);
    label->Font().SetColor(clWindowText);
    label->SetCaption("How to use this program");

    auto* rich = new TRichEdit(form);
    form->HelpRich = rich;
    rich->SetName("HelpRich");
    rich->SetParent(form);
    rich->SetBounds(0, 24, 305, 73);
    rich->SetReadOnly(true);
    rich->SetScrollBars(TScrollStyle::ssVertical);
    rich->SetColor(RGB(221, 221, 221));
    rich->LoadRtf(ComposeHelpDocument(values));

    auto* start = new TButton(form);
    form->StartButton = start;
    start->SetName("StartButton");
    start->SetParent(form);
    start->SetDefault(true);
    start->SetCancel(true);
    start->SetBounds(start->Left(), 105, 173, 25);
    start->SetCaption("Start");
    start->SetTabOrder(0);
    start->OnClick = Bind(form, &THelpForm::StartButtonClick);
    rich->SetTabOrder(1);

    form->SetClientWidth(rich->Width());
    form->FitToChildren();
    form->SetClientHeight(form->ClientHeight() + 8);
    rich->SetAnchors(akLeft | akTop | akRight | akBottom);
    start->SetBounds((form->ClientWidth() - start->Width()) / 2, start->Top(), start->Width(), start->Height());
    start->SetAnchors(akBottom);

    TPoint size = HelpClientSize(Screen->Width(), Screen->Height());
    form->SetClientWidth(size.X);
    form->SetClientHeight(size.Y);
    return form;
}

void THelpForm::StartButtonClick(TObject*) {
    SetVisible(false);
    TForm* main = Application ? Application->MainForm() : nullptr;
    if (!main) return;
    for (int i = 0; i < main->ControlCount(); ++i)
        if (auto* board = dynamic_cast<TBoardImage*>(main->Controls(i))) {
            board->Perform(WM_OPENFIRSTHIGHLIGHT, 0, 0);
            return;
        }
}
