#pragma once
// A non-visual component that carries the board's naming data and, at the
// first idle moment after start-up, builds the header label across the main
// window and the help and support windows (and, when a card-listing handler
// is assigned, the installed-cards window), then shows the help once. It also
// holds a timer-driven calibration pass machinery.

#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/events.h"

class TButton;
class TControl;
class TLabel;
class TMemo;
class TTimer;
class THelpForm;
class TTechForm;
class TForm;

using TPCIEvent = std::function<String(TObject* sender, std::int32_t cardIndex)>;
// Returns the result line of one channel; clears `itsAllBad` when the
// readings are not all bad.
using TCalibEvent = std::function<String(TObject* sender, std::uint8_t channel, bool& itsAllBad)>;

// One group of calibration controls: one line per channel in the list, a
// button that starts or stops, and a control to hide while passes run.
struct TCalibGroup {
    TMemo* ChannelList = nullptr;
    TButton* GroupButton = nullptr;
    TControl* HideOnPass = nullptr;
};

class TSetupSupporter : public TComponent {
public:
    explicit TSetupSupporter(TComponent* owner);
    ~TSetupSupporter() override;
    String ClassName() const override { return "TSetupSupporter"; }

    String CompanyName;
    String CardNameA;
    String CardNameB;
    bool UseCardNameB = false;
    String CallHow;
    bool MultiPort = false;
    std::uint8_t Channels = 8;
    bool ChangeButtons = true;
    bool bSeries = true;

    TNotifyEvent OnBeginCalib() const { return FOnBeginCalib; }
    // Restarts the timer's period when it runs.
    void SetOnBeginCalib(TNotifyEvent handler);
    TPCIEvent OnGetCardString;
    TCalibEvent OnGetCalibString;
    TNotifyEvent OnStopButtonClick;
    TNotifyEvent OnStartButtonClick;

    // Setters for window definitions.
    void SetCompanyName(const String& v) { CompanyName = v; }
    void SetCardNameA(const String& v) { CardNameA = v; }
    void SetCardNameB(const String& v) { CardNameB = v; }
    void SetUseCardNameB(bool v) { UseCardNameB = v; }
    void SetCallHow(const String& v) { CallHow = v; }
    void SetMultiPort(bool v) { MultiPort = v; }
    void SetChannels(int v) { Channels = std::uint8_t(v); }
    void SetChangeButtons(bool v) { ChangeButtons = v; }
    void SetSeries(bool v) { bSeries = v; }

    // CardNameB when UseCardNameB, else CardNameA; and " Series" when bSeries.
    String CardName() const;
    String SeriesSuffix() const;

    THelpForm* HelpForm = nullptr;
    TTechForm* TechForm = nullptr;
    TForm* PCIForm = nullptr;
    TLabel* HeaderLabel() const { return FHeaderLabel; }

    // The application's idle handler, installed by the main window while it
    // is created: removes itself, then builds the windows once.
    void ApplicationIdle(TObject* sender, bool& done);

    // Hides the window that holds the sender.
    void CloseButtonClick(TObject* sender);
    void DisplayPCIClick(TObject* sender);

    // Calibration: register groups, then start; passes run at each tick
    // until every channel reads bad and the user cancels, or Stop.
    int AddCalibGroup(TMemo* channelList, TButton* groupButton, TControl* hideOnPass);
    int CalibGroupCount() const { return int(FCalibGroups.size()); }
    void StartCalibration();
    void StopCalibration() { RestoreStartButtons(); }
    bool Calibrating() const { return FCalibrating; }
    bool ShowHelpPending() const { return FShowHelpPending; }

    // The timer, for callers that drive time themselves.
    TTimer& Timer() const { return *FTimer; }

private:
    void BuildWindows();
    // The File menu's entry and the installed-cards window; true when the
    // driver reported a card the owner could name.
    bool BuildCardList(TForm& main);
    void UpdateTimer();
    void TimerTick(TObject* sender);
    void SetCalibrating(bool value);
    void RestoreStartButtons();
    void ShowChannelString(std::uint8_t channel, const String& text);
    void StopButtonClick(TObject* sender);

    bool FShowHelpPending = false;
    bool FCalibrating = false;
    std::unique_ptr<TTimer> FTimer;
    TLabel* FHeaderLabel = nullptr;
    std::vector<TCalibGroup> FCalibGroups;
    TNotifyEvent FOnBeginCalib;
};
