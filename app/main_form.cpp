#include "app/main_form.h"

#include "setupctrls/board_highlight.h"
#include "setupctrls/board_image.h"
#include "setupctrls/radio_panel.h"
#include "toolkit/definition_loader.h"
#include "toolkit/menus.h"

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
    Field("MainMenu1", MainMenu1);
    Field("File1", File1);
    Field("Help1", Help1);
    Field("Howtousethisprogram1", Howtousethisprogram1);
    Field("Exit2", Exit2);
    Field("TechnicalSupport1", TechnicalSupport1);
    Field("BoardImage1", BoardImage1);
    Field("USBHighlight", USBHighlight);
    Field("USBPanel", USBPanel);
    Field("LEDPanel", LEDPanel);
    Field("PowerPanel", PowerPanel);
    Field("SubUSBPanel", SubUSBPanel);
    Field("ConnPanel", ConnPanel);
    Field("PullPanel", PullPanel);
    Field("AnalogRangeHighlight0", AnalogRangeHighlight0);
    Field("AnalogRangePanel", AnalogRangePanel);
    Field("PullHighlight", PullHighlight);
    Field("PowerJumperHighlight", PowerJumperHighlight);
    Field("PowerDCInHighlight", PowerDCInHighlight);
    Field("SubUSBHighlight", SubUSBHighlight);
    Field("LedHighlight", LedHighlight);
    Field("DIOGateConnHighlight", DIOGateConnHighlight);
    Field("GateConnHighlight", GateConnHighlight);
    Field("AnalogConnHighlight", AnalogConnHighlight);
    Field("AnalogRangeHighlight1", AnalogRangeHighlight1);

    Publish("Exit2Click", &TMainForm::Exit2Click);
}

void TMainForm::Exit2Click(TObject*) { Close(); }

void RegisterMainForm() { TPublisher<TMainForm>("TMainForm", "TForm", false); }
