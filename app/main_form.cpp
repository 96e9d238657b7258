#include "app/main_form.h"

#include "app/screw_terminal.h"
#include "setupctrls/board_highlight.h"
#include "setupctrls/board_image.h"
#include "setupctrls/help_form.h"
#include "setupctrls/radio_panel.h"
#include "setupctrls/register_classes.h"
#include "setupctrls/setup_supporter.h"
#include "setupctrls/tech_form.h"
#include "toolkit/application.h"
#include "toolkit/definition_loader.h"
#include "toolkit/extctrls.h"
#include "toolkit/label.h"
#include "toolkit/menus.h"
#include "toolkit/panel.h"
#include "toolkit/stdctrls.h"

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
    Field("MainMenu1", MainMenu1);
    Field("File1", File1);
    Field("Help1", Help1);
    Field("Howtousethisprogram1", Howtousethisprogram1);
    Field("Exit2", Exit2);
    Field("TechnicalSupport1", TechnicalSupport1);
    Field("BoardImage1", BoardImage1);
    Field("SetSup", SetSup);
    Field("USBHighlight", USBHighlight);
    Field("USBPanel", USBPanel);
    Field("LEDPanel", LEDPanel);
    Field("PowerPanel", PowerPanel);
    Field("SubUSBPanel", SubUSBPanel);
    Field("ConnPanel", ConnPanel);
    Field("PullPanel", PullPanel);
    Field("PullJumper1", PullJumper1);
    Field("Label1", Label1);
    Field("Label2", Label2);
    Field("AnalogRangeHighlight0", AnalogRangeHighlight0);
    Field("AnalogRangePanel", AnalogRangePanel);
    Field("RangeJumperPolarity0", RangeJumperPolarity0);
    Field("Label3", Label3);
    Field("Label4", Label4);
    Field("PullJumper0", PullJumper0);
    Field("PullRadios1", PullRadios1);
    Field("PullRadios0", PullRadios0);
    Field("RangeRadios", RangeRadios);
    Field("PullHighlight", PullHighlight);
    Field("PowerJumperHighlight", PowerJumperHighlight);
    Field("PowerDCInHighlight", PowerDCInHighlight);
    Field("SubUSBHighlight", SubUSBHighlight);
    Field("LedHighlight", LedHighlight);
    Field("DIOGateConnHighlight", DIOGateConnHighlight);
    Field("GateConnHighlight", GateConnHighlight);
    Field("AnalogConnHighlight", AnalogConnHighlight);
    Field("PowerJumper", PowerJumper);
    Field("Label5", Label5);
    Field("Label6", Label6);
    Field("ExternalPowerPanel", ExternalPowerPanel);
    Field("Image1", Image1);
    Field("PowerScrewPaint", PowerScrewPaint);
    Field("Label7", Label7);
    Field("Label8", Label8);
    Field("Label9", Label9);
    Field("USBPowerRadio", USBPowerRadio);
    Field("ExternalPowerRadio", ExternalPowerRadio);
    Field("AnalogRangeHighlight1", AnalogRangeHighlight1);
    Field("RangeJumperPolarity1", RangeJumperPolarity1);
    Field("RangeJumperGain", RangeJumperGain);
    Field("Label10", Label10);
    Field("Label11", Label11);

    Publish("Howtousethisprogram1Click", &TMainForm::Howtousethisprogram1Click);
    Publish("Closehelpdialog1Click", &TMainForm::Closehelpdialog1Click);
    Publish("DisplayClick", &TMainForm::DisplayClick);
    Publish("Exit2Click", &TMainForm::Exit2Click);
    Publish("TechnicalSupport1Click", &TMainForm::TechnicalSupport1Click);
    Publish("FormCreate", &TMainForm::FormCreate);
    Publish("PullJumper1Click", &TMainForm::PullJumper1Click);
    Publish("PullRadios0Click", &TMainForm::PullRadios0Click);
    Publish("PullRadios1Click", &TMainForm::PullRadios1Click);
    Publish("PullJumper0Click", &TMainForm::PullJumper0Click);
    Publish("RangeRadiosClick", &TMainForm::RangeRadiosClick);
    Publish("RangeJumperPolarityClick", &TMainForm::RangeJumperPolarityClick);
    Publish("PowerScrewPaintPaint", &TMainForm::PowerScrewPaintPaint);
    Publish("PowerRadioClick", &TMainForm::PowerRadioClick);
    Publish("PowerJumperClick", &TMainForm::PowerJumperClick);
    Publish("RangeJumperGainClick", &TMainForm::RangeJumperGainClick);
}

void TMainForm::Exit2Click(TObject*) { Close(); }

void TMainForm::FormCreate(TObject*) { Application->OnIdle = Bind(SetSup, &TSetupSupporter::ApplicationIdle); }

void TMainForm::Howtousethisprogram1Click(TObject*) {
    if (SetSup->HelpForm) SetSup->HelpForm->SetVisible(true);
}

void TMainForm::TechnicalSupport1Click(TObject*) {
    if (SetSup->TechForm) SetSup->TechForm->SetVisible(true);
}

void TMainForm::Closehelpdialog1Click(TObject*) {
    if (SetSup->HelpForm) SetSup->HelpForm->SetVisible(false);
}

void TMainForm::DisplayClick(TObject*) {
    if (SetSup->PCIForm) SetSup->PCIForm->SetVisible(true);
}

namespace {

// Pull bias: item 0 "Pull Up" is the cap on 5V, 1 "Unbiased" no cap, 2 "Pull Down" the cap on GND.
int PullIndexOf(TJumperState state) {
    switch (state) {
    case TJumperState::jsOpen: return 1;
    case TJumperState::jsLeft: return 0;
    case TJumperState::jsRight: break;
    }
    return 2;
}

void SetPullJumper(TThreeJumper& jumper, int index) {
    switch (index) {
    case 0: jumper.SetJumperState(TJumperState::jsLeft); break;
    case 1: jumper.SetJumperState(TJumperState::jsOpen); break;
    case 2: jumper.SetJumperState(TJumperState::jsRight); break;
    default: break;
    }
}

}  // namespace

void TMainForm::PullJumper0Click(TObject*) { PullRadios0->SetItemIndex(PullIndexOf(PullJumper0->JumperState())); }
void TMainForm::PullJumper1Click(TObject*) { PullRadios1->SetItemIndex(PullIndexOf(PullJumper1->JumperState())); }
void TMainForm::PullRadios0Click(TObject*) { SetPullJumper(*PullJumper0, PullRadios0->ItemIndex()); }
void TMainForm::PullRadios1Click(TObject*) { SetPullJumper(*PullJumper1, PullRadios1->ItemIndex()); }

// Items 0-2 are unipolar and 3-5 bipolar (both polarity jumpers); the span,
// index modulo 3, is the gain jumper: 2.5 V on the left, 5 V on the right, 10 V open.
void TMainForm::RangeRadiosClick(TObject*) {
    int i = RangeRadios->ItemIndex();
    TJumperState polarity = TJumperState::jsLeft;
    if (i >= 3) {
        polarity = TJumperState::jsRight;
        i %= 3;
    }
    RangeJumperPolarity0->SetJumperState(polarity);
    RangeJumperPolarity1->SetJumperState(polarity);
    if (i == 0) RangeJumperGain->SetJumperState(TJumperState::jsLeft);
    else if (i == 1) RangeJumperGain->SetJumperState(TJumperState::jsRight);
    else if (i == 2) RangeJumperGain->SetJumperState(TJumperState::jsOpen);
}

void TMainForm::SetRangeFromJumpers(TJumperState polarity, TJumperState gain) {
    int index = gain == TJumperState::jsLeft ? 0 : gain == TJumperState::jsRight ? 1 : 2;
    if (polarity == TJumperState::jsRight) index += 3;
    // A new index runs RangeRadiosClick, which brings all three jumpers into line.
    RangeRadios->SetItemIndex(index);
}

void TMainForm::RangeJumperPolarityClick(TObject* sender) {
    auto* clicked = dynamic_cast<TThreeJumper*>(sender);
    if (!clicked) return;
    SetRangeFromJumpers(clicked->JumperState(), RangeJumperGain->JumperState());
}

void TMainForm::RangeJumperGainClick(TObject*) {
    SetRangeFromJumpers(RangeJumperPolarity0->JumperState(), RangeJumperGain->JumperState());
}

void TMainForm::PowerRadioClick(TObject*) {
    bool external = ExternalPowerRadio->Checked();
    PowerJumper->SetJumperState(external ? TJumperState::jsLeft : TJumperState::jsRight);
    ExternalPowerPanel->SetVisible(external);
}

void TMainForm::PowerJumperClick(TObject*) {
    bool external = PowerJumper->JumperState() == TJumperState::jsLeft;
    // Checking a button that was not checked runs PowerRadioClick on the way.
    if (external) ExternalPowerRadio->SetChecked(true);
    else USBPowerRadio->SetChecked(true);
    ExternalPowerPanel->SetVisible(external);
}

void TMainForm::PowerScrewPaintPaint(TObject*) {
    DrawScrewTerminal(PowerScrewPaint->Canvas(), PowerScrewPaint->ClientRect());
}

void RegisterMainForm() { TPublisher<TMainForm>("TMainForm", "TForm", false); }

void RegisterProgramClasses() {
    RegisterToolkitClasses();
    RegisterSetupControls();
    RegisterMainForm();
}
