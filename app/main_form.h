#pragma once
// The main window of the settings program: the board photograph with its
// highlight circles, the option panels the popups show, and the menu bar.

#include "toolkit/form.h"

#include "setupctrls/three_jumper.h"

class TBoardHighlight;
class TBoardImage;
class TImage;
class TLabel;
class TMainMenu;
class TMenuItem;
class TPaintBox;
class TPanel;
class TRadioButton;
class TRadioGroup;
class TRadioPanel;
class TSetupSupporter;

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
    TSetupSupporter* SetSup = nullptr;
    TBoardHighlight* USBHighlight = nullptr;
    TRadioPanel* USBPanel = nullptr;
    TRadioPanel* LEDPanel = nullptr;
    TRadioPanel* PowerPanel = nullptr;
    TRadioPanel* SubUSBPanel = nullptr;
    TRadioPanel* ConnPanel = nullptr;
    TRadioPanel* PullPanel = nullptr;
    TThreeJumper* PullJumper1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TBoardHighlight* AnalogRangeHighlight0 = nullptr;
    TRadioPanel* AnalogRangePanel = nullptr;
    TThreeJumper* RangeJumperPolarity0 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TThreeJumper* PullJumper0 = nullptr;
    TRadioGroup* PullRadios1 = nullptr;
    TRadioGroup* PullRadios0 = nullptr;
    TRadioGroup* RangeRadios = nullptr;
    TBoardHighlight* PullHighlight = nullptr;
    TBoardHighlight* PowerJumperHighlight = nullptr;
    TBoardHighlight* PowerDCInHighlight = nullptr;
    TBoardHighlight* SubUSBHighlight = nullptr;
    TBoardHighlight* LedHighlight = nullptr;
    TBoardHighlight* DIOGateConnHighlight = nullptr;
    TBoardHighlight* GateConnHighlight = nullptr;
    TBoardHighlight* AnalogConnHighlight = nullptr;
    TThreeJumper* PowerJumper = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TPanel* ExternalPowerPanel = nullptr;
    TImage* Image1 = nullptr;
    TPaintBox* PowerScrewPaint = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TRadioButton* USBPowerRadio = nullptr;
    TRadioButton* ExternalPowerRadio = nullptr;
    TBoardHighlight* AnalogRangeHighlight1 = nullptr;
    TThreeJumper* RangeJumperPolarity1 = nullptr;
    TThreeJumper* RangeJumperGain = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label11 = nullptr;

    // Help menu commands: each shows (or hides) one of the supporter's
    // windows, once the supporter has built them.
    void Howtousethisprogram1Click(TObject* sender);
    void Closehelpdialog1Click(TObject* sender);
    void DisplayClick(TObject* sender);
    // Closes the main window, which ends the program.
    void Exit2Click(TObject* sender);
    void TechnicalSupport1Click(TObject* sender);
    // Lets the supporter build its windows at the first idle moment, when
    // the application knows its main window.
    void FormCreate(TObject* sender);

    // Each setting is shown twice, as radio choices and as drawn jumpers;
    // these keep the two in step whichever the user changes.
    void PullJumper1Click(TObject* sender);
    void PullRadios0Click(TObject* sender);
    void PullRadios1Click(TObject* sender);
    void PullJumper0Click(TObject* sender);
    void RangeRadiosClick(TObject* sender);
    void RangeJumperPolarityClick(TObject* sender);
    void PowerScrewPaintPaint(TObject* sender);
    void PowerRadioClick(TObject* sender);
    void PowerJumperClick(TObject* sender);
    void RangeJumperGainClick(TObject* sender);

private:
    void SetRangeFromJumpers(TJumperState polarity, TJumperState gain);
};

extern TMainForm* MainForm;

// Makes TMainForm known to window definitions.
void RegisterMainForm();
// Makes every class the program's window definitions name known: the
// toolkit's, the setup components' and TMainForm.
void RegisterProgramClasses();

// The embedded definition of the main window.
constexpr const char* MainFormDefinition = "main_form.def";
