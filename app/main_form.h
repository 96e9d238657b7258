#pragma once
// The main window of the settings program: the board photograph with its
// highlight circles, the option panels the popups show, and the menu bar.

#include "toolkit/form.h"

class TBoardHighlight;
class TBoardImage;
class TMainMenu;
class TMenuItem;
class TRadioPanel;

class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* owner);
    String ClassName() const override { return "TMainForm"; }

    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* Howtousethisprogram1 = nullptr;
    TMenuItem* Exit2 = nullptr;
    TMenuItem* TechnicalSupport1 = nullptr;
    TBoardImage* BoardImage1 = nullptr;
    TBoardHighlight* USBHighlight = nullptr;
    TRadioPanel* USBPanel = nullptr;
    TRadioPanel* LEDPanel = nullptr;
    TRadioPanel* PowerPanel = nullptr;
    TRadioPanel* SubUSBPanel = nullptr;
    TRadioPanel* ConnPanel = nullptr;
    TRadioPanel* PullPanel = nullptr;
    TBoardHighlight* AnalogRangeHighlight0 = nullptr;
    TRadioPanel* AnalogRangePanel = nullptr;
    TBoardHighlight* PullHighlight = nullptr;
    TBoardHighlight* PowerJumperHighlight = nullptr;
    TBoardHighlight* PowerDCInHighlight = nullptr;
    TBoardHighlight* SubUSBHighlight = nullptr;
    TBoardHighlight* LedHighlight = nullptr;
    TBoardHighlight* DIOGateConnHighlight = nullptr;
    TBoardHighlight* GateConnHighlight = nullptr;
    TBoardHighlight* AnalogConnHighlight = nullptr;
    TBoardHighlight* AnalogRangeHighlight1 = nullptr;

    // Closes the main window, which ends the program.
    void Exit2Click(TObject* sender);
};

extern TMainForm* MainForm;

// Makes TMainForm known to window definitions.
void RegisterMainForm();

// The embedded definition of the main window.
constexpr const char* MainFormDefinition = "main_form.def";
