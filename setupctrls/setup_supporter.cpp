#include "setupctrls/setup_supporter.h"

#include <stdexcept>

#include "driver/lltraxdrv.h"
#include "setupctrls/help_form.h"
#include "setupctrls/pci_form.h"
#include "setupctrls/tech_form.h"
#include "toolkit/application.h"
#include "toolkit/label.h"
#include "toolkit/menus.h"
#include "toolkit/stdctrls.h"
#include "toolkit/timer.h"

namespace {

constexpr int TickInterval = 100;  // ms

}  // namespace

TSetupSupporter::TSetupSupporter(TComponent* owner) : TComponent(owner), FTimer(std::make_unique<TTimer>(nullptr)) {
    FTimer->OnTimer = Bind(this, &TSetupSupporter::TimerTick);
}

TSetupSupporter::~TSetupSupporter() {
    FCalibrating = false;
    FTimer->Stop();
}

String TSetupSupporter::CardName() const { return UseCardNameB ? CardNameB : CardNameA; }
String TSetupSupporter::SeriesSuffix() const { return bSeries ? " Series" : ""; }

void TSetupSupporter::SetOnBeginCalib(TNotifyEvent handler) {
    FOnBeginCalib = std::move(handler);
    UpdateTimer();
}

void TSetupSupporter::ApplicationIdle(TObject*, bool&) {
    // Once: later idle moments call nothing.
    if (Application) Application->OnIdle = nullptr;
    BuildWindows();
}

void TSetupSupporter::BuildWindows() {
    if (IsDesigning()) return;
    TForm* main = Application ? Application->MainForm() : nullptr;
    if (!main) throw std::logic_error("The settings windows need the application's main window");
    const String card = CardName();

    FHeaderLabel = new TLabel(main);
    FHeaderLabel->SetName("HeaderLabel");
    FHeaderLabel->SetAlign(TAlign::alTop);
    FHeaderLabel->SetAlignment(TAlignment::taCenter);
    FHeaderLabel->Font().SetName("Tahoma");
    FHeaderLabel->Font().SetSize(18);
    FHeaderLabel->Font().SetStyle(fsBold);
    FHeaderLabel->Font().SetColor(RGB(0, 0, 0));
    FHeaderLabel->SetParent(main);

    HelpForm = THelpForm::Build(*main, {CompanyName, card, SeriesSuffix(), MultiPort, bool(OnGetCardString)});
    TechForm = TTechForm::Build(*main, CompanyName, CallHow, Bind(this, &TSetupSupporter::CloseButtonClick));

    bool cardFound = true;
    PCIForm = nullptr;
    if (OnGetCardString) cardFound = BuildCardList(*main);

    FHeaderLabel->SetCaption(cardFound ? card + SeriesSuffix() + " Settings Program"
                                       : "No " + card + (bSeries ? " Series Card" : "") + " Found");
    FShowHelpPending = true;
    UpdateTimer();
}

bool TSetupSupporter::BuildCardList(TForm& main) {
    const String card = CardName();
    if (TMainMenu* menu = main.Menu()) {
        TMenuItem* bar = menu->Items();
        for (int i = 0; i < bar->Count(); ++i) {
            TMenuItem* file = bar->Items(i);
            if (file->Caption() != "&File") continue;
            auto* entry = new TMenuItem(file);
            entry->SetName("DisplayPCI");
            entry->SetCaption("Display " + card + " Cards Installed");
            entry->OnClick = Bind(this, &TSetupSupporter::DisplayPCIClick);
            file->Insert(0, entry);
            break;
        }
    }
    auto* form = TPCIForm::Build(main, card, Bind(this, &TSetupSupporter::CloseButtonClick));
    PCIForm = form;

    LoadDriverLibrary();
    const std::int32_t count = GetNumCards ? GetNumCards() : 0;
    bool cardFound = false;
    TStrings lines;
    for (std::int32_t index = 0; index < count; ++index) {
        String text = OnGetCardString(this, index);
        if (text.empty()) continue;
        lines.Add(text);
        cardFound = true;
    }
    if (cardFound) form->PCIMemo->SetText(lines.Text());
    else form->PCIMemo->SetText("No Card Found");
    return cardFound;
}

void TSetupSupporter::UpdateTimer() {
    FTimer->Stop();
    if (FCalibrating || FShowHelpPending) FTimer->Start(TickInterval);
}

void TSetupSupporter::SetCalibrating(bool value) {
    if (value == FCalibrating) return;
    FCalibrating = value;
    UpdateTimer();
}

void TSetupSupporter::TimerTick(TObject*) {
    if (FShowHelpPending) {
        if (HelpForm) HelpForm->SetVisible(true);
        FShowHelpPending = false;
        UpdateTimer();
        return;
    }
    if (FOnBeginCalib) FOnBeginCalib(this);
    if (!OnGetCalibString) {
        SetCalibrating(false);
        Application->MessageBox("Error: calibration begun, but OnGetCalibString isn't assigned.",
                                "OnGetCalibString Not Assigned", MB_OK | MB_ICONWARNING | MB_SETFOREGROUND | MB_TOPMOST);
        RestoreStartButtons();
        return;
    }
    for (const TCalibGroup& group : FCalibGroups)
        if (group.HideOnPass) group.HideOnPass->Hide();
    bool itsAllBad = true;
    for (int channel = 0; channel < Channels; ++channel) {
        String text = OnGetCalibString(this, std::uint8_t(channel), itsAllBad);
        ShowChannelString(std::uint8_t(channel), text);
    }
    if (!itsAllBad) return;
    SetCalibrating(false);  // no tick while the box is open
    int answer = Application->MessageBox(
        "Total A/D failure. The card may not be installed, or it may be installed at a different base address.",
        "Total A/D failure", MB_RETRYCANCEL | MB_ICONWARNING | MB_DEFBUTTON2 | MB_SETFOREGROUND | MB_TOPMOST);
    if (answer == IDRETRY) SetCalibrating(true);
    else RestoreStartButtons();
}

void TSetupSupporter::ShowChannelString(std::uint8_t channel, const String& text) {
    const String line = "Channel " + std::to_string(channel) + "\t" + text;
    for (const TCalibGroup& group : FCalibGroups) {
        if (!group.ChannelList) continue;
        TStrings lines = group.ChannelList->Lines();
        // A list shorter than the channel number grows to hold it.
        TStrings updated;
        for (int i = 0; i < std::max(lines.Count(), int(channel) + 1); ++i)
            updated.Add(i == channel ? line : i < lines.Count() ? lines[i] : String());
        group.ChannelList->SetLines(updated);
    }
}

void TSetupSupporter::RestoreStartButtons() {
    if (ChangeButtons) {
        for (const TCalibGroup& group : FCalibGroups) {
            if (!group.GroupButton) continue;
            group.GroupButton->OnClick = OnStartButtonClick;
            group.GroupButton->SetCaption("Start");
        }
    }
    SetCalibrating(false);
}

int TSetupSupporter::AddCalibGroup(TMemo* channelList, TButton* groupButton, TControl* hideOnPass) {
    if (FCalibGroups.size() >= 256) throw std::length_error("A setup supporter serves at most 256 calibration groups");
    FCalibGroups.push_back({channelList, groupButton, hideOnPass});
    return int(FCalibGroups.size()) - 1;
}

void TSetupSupporter::StartCalibration() {
    for (const TCalibGroup& group : FCalibGroups) {
        if (group.ChannelList) {
            TStrings lines;
            for (int channel = 0; channel < Channels; ++channel) lines.Add("Channel " + std::to_string(channel) + "\t");
            group.ChannelList->SetLines(lines);
        }
        if (ChangeButtons && group.GroupButton) {
            group.GroupButton->SetCaption("Stop");
            group.GroupButton->OnClick = Bind(this, &TSetupSupporter::StopButtonClick);
        }
    }
    SetCalibrating(true);
}

void TSetupSupporter::StopButtonClick(TObject* sender) {
    if (OnStopButtonClick) OnStopButtonClick(sender);
    RestoreStartButtons();
}

void TSetupSupporter::CloseButtonClick(TObject* sender) {
    auto* control = dynamic_cast<TControl*>(sender);
    if (control && control->Parent()) control->Parent()->SetVisible(false);
}

void TSetupSupporter::DisplayPCIClick(TObject*) {
    if (PCIForm) PCIForm->SetVisible(true);
}
