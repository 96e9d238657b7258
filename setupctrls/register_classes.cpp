#include "setupctrls/register_classes.h"

#include "setupctrls/board_highlight.h"
#include "setupctrls/board_image.h"
#include "setupctrls/radio_panel.h"
#include "setupctrls/setup_supporter.h"
#include "setupctrls/three_jumper.h"
#include "toolkit/definition_loader.h"
#include "toolkit/menus.h"

namespace {

const TEnumTable<THighlightType> HighlightTypes = {{"htOptions", THighlightType::htOptions},
                                                   {"htSettings", THighlightType::htSettings},
                                                   {"htCalibration", THighlightType::htCalibration}};
const TEnumTable<TJumperState> JumperStates = {
    {"jsOpen", TJumperState::jsOpen}, {"jsLeft", TJumperState::jsLeft}, {"jsRight", TJumperState::jsRight}};
const TEnumTable<TOrientationType> Orientations = {{"otUp", TOrientationType::otUp},
                                                   {"otDown", TOrientationType::otDown},
                                                   {"otLeft", TOrientationType::otLeft},
                                                   {"otRight", TOrientationType::otRight}};
}  // namespace

void RegisterSetupControls() {
    {
        TPublisher<TBoardImage> p("TBoardImage", "TComponent");
        PublishBounds(p);
        p.Ref("First", &TBoardImage::SetFirst)
            .Ref("Menu", &TBoardImage::SetMenu)
            .Bool("CenterOnForm", &TBoardImage::SetCenterOnForm)
            .Bool("Scale", &TBoardImage::SetScale)
            .Enum("Align", AlignValues, &TControl::SetAlign)
            .Set("Anchors", AnchorKinds, &TControl::SetAnchors)
            .Bool("AutoSize", &TBoardImage::SetAutoSize)
            .Bool("Center", &TBoardImage::SetCenter)
            .Ignored("Constraints")
            .Bool("Enabled", &TControl::SetEnabled)
            .Ignored("ParentShowHint")
            .Picture("Picture", &TBoardImage::Picture)
            .Ignored("PopupMenu")
            .Ignored("ShowHint")
            .Bool("Stretch", &TBoardImage::SetStretch)
            .Bool("Transparent", &TBoardImage::SetTransparent)
            .Bool("Visible", &TControl::SetVisible);
        PublishMouseEvents(p);
    }
    {
        TPublisher<TBoardHighlight> p("TBoardHighlight", "TComponent");
        PublishBounds(p);
        p.Bool("CreatePopup", &TBoardHighlight::CreatePopup)
            .Enum("HighlightType", HighlightTypes, &TBoardHighlight::SetHighlightType)
            .Ref("RadioPanel", &TBoardHighlight::SetRadioPanel)
            .Str("Title", &TBoardHighlight::SetTitle);
        PublishPlacement(p);
        PublishMouseEvents(p);
    }
    {
        TPublisher<TRadioPanel> p("TRadioPanel", "TComponent");
        PublishBounds(p);
        p.Bool("RadioEnabled", &TRadioPanel::SetRadioEnabled)
            .Strings("Lines", &TRadioPanel::SetLines)
            .Int("MemoHeight", &TRadioPanel::SetMemoHeight)
            .Enum("Align", AlignValues, &TControl::SetAlign)
            .Set("FinalAnchors", AnchorKinds, &TRadioPanel::SetFinalAnchors)
            .Enum("BevelInner", BevelCutValues, &TCustomPanel::SetBevelInner)
            .Enum("BevelOuter", BevelCutValues, &TCustomPanel::SetBevelOuter)
            .Int("BevelWidth", &TCustomPanel::SetBevelWidth)
            .Ignored("BiDiMode")
            .Int("BorderWidth", &TCustomPanel::SetBorderWidth)
            .Enum("BorderStyle", BorderStyleValues, &TCustomPanel::SetBorderStyle)
            .Color("Color", &TControl::SetColor)
            .Ignored("Constraints")
            .Ignored("Ctl3D")
            .Bool("Enabled", &TControl::SetEnabled)
            .Bool("FullRepaint", &TCustomPanel::SetFullRepaint)
            .Ignored("ParentBiDiMode")
            .Bool("ParentColor", &TControl::SetParentColor)
            .Ignored("ParentCtl3D")
            .Bool("ParentFont", &TControl::SetParentFont)
            .Ignored("ParentShowHint")
            .Ignored("PopupMenu")
            .Ignored("ShowHint")
            .Int("TabOrder", &TWinControl::SetTabOrder)
            .Bool("TabStop", &TWinControl::SetTabStop)
            .Bool("Visible", &TControl::SetVisible)
            .Event("OnRadioChange", &TRadioPanel::OnRadioChange)
            .Event("OnActivate", &TRadioPanel::OnActivate)
            .Event("OnDeactivate", &TRadioPanel::OnDeactivate);
        PublishMouseEvents(p);
    }
    {
        TPublisher<TThreeJumper> p("TThreeJumper", "TComponent");
        PublishBounds(p);
        p.Enum("JumperState", JumperStates, &TThreeJumper::SetJumperState)
            .Color("BaseColor", &TThreeJumper::SetBaseColor)
            .Color("PinColor", &TThreeJumper::SetPinColor)
            .Color("JumperColor", &TThreeJumper::SetJumperColor)
            .Enum("Orientation", Orientations, &TThreeJumper::SetOrientation)
            .Enum("BorderStyle", BorderStyleValues, &TThreeJumper::SetBorderStyle)
            .Bool("AllowOpen", &TThreeJumper::SetAllowOpen);
        PublishPlacement(p);
        PublishMouseEvents(p);
    }
    TPublisher<TSetupSupporter>("TSetupSupporter", "TComponent")
        .Str("CompanyName", &TSetupSupporter::SetCompanyName)
        .Str("CardNameA", &TSetupSupporter::SetCardNameA)
        .Str("CardNameB", &TSetupSupporter::SetCardNameB)
        .Bool("UseCardNameB", &TSetupSupporter::SetUseCardNameB)
        .Str("CallHow", &TSetupSupporter::SetCallHow)
        .Bool("MultiPort", &TSetupSupporter::SetMultiPort)
        .Int("Channels", &TSetupSupporter::SetChannels)
        .Bool("ChangeButtons", &TSetupSupporter::SetChangeButtons)
        .Bool("bSeries", &TSetupSupporter::SetSeries)
        .Event("OnBeginCalib", &TSetupSupporter::SetOnBeginCalib)
        .Event("OnGetCardString", &TSetupSupporter::OnGetCardString)
        .Event("OnGetCalibString", &TSetupSupporter::OnGetCalibString)
        .Event("OnStopButtonClick", &TSetupSupporter::OnStopButtonClick)
        .Event("OnStartButtonClick", &TSetupSupporter::OnStartButtonClick);
}
