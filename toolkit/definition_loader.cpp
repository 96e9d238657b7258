#include "toolkit/definition_loader.h"

#include <algorithm>
#include <climits>
#include <map>

#include "toolkit/extctrls.h"
#include "toolkit/label.h"
#include "toolkit/menus.h"
#include "toolkit/panel.h"
#include "toolkit/resources.h"
#include "toolkit/stdctrls.h"

using definition::Value;
using Kind = definition::Value::Kind;

namespace {

std::map<String, TClassInfo>& Classes() {
    static std::map<String, TClassInfo> classes;
    return classes;
}

const TEnumTable<TColor> NamedColors = {
    {"clBlack", clBlack},         {"clMaroon", clMaroon},       {"clGreen", clGreen},
    {"clNavy", clNavy},           {"clGray", clGray},           {"clSilver", clSilver},
    {"clRed", clRed},             {"clLime", clLime},           {"clYellow", clYellow},
    {"clBlue", clBlue},           {"clFuchsia", clFuchsia},     {"clAqua", clAqua},
    {"clWhite", clWhite},         {"clWindow", clWindow},       {"clWindowText", clWindowText},
    {"clBtnFace", clBtnFace},     {"clBtnShadow", clBtnShadow}, {"clBtnText", clBtnText},
    {"clGrayText", clGrayText},   {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
    {"clInfoBk", clInfoBk},       {"clBtnHighlight", clBtnHighlight},
};

const TEnumTable<TFormBorderStyle> FormBorderStyles = {
    {"bsNone", TFormBorderStyle::bsNone},           {"bsSingle", TFormBorderStyle::bsSingle},
    {"bsSizeable", TFormBorderStyle::bsSizeable},   {"bsDialog", TFormBorderStyle::bsDialog},
    {"bsToolWindow", TFormBorderStyle::bsToolWindow}, {"bsSizeToolWin", TFormBorderStyle::bsSizeToolWin}};
const TEnumTable<TFormStyle> FormStyles = {{"fsNormal", TFormStyle::fsNormal}, {"fsStayOnTop", TFormStyle::fsStayOnTop}};
const TEnumTable<TWindowState> WindowStates = {{"wsNormal", TWindowState::wsNormal},
                                               {"wsMinimized", TWindowState::wsMinimized},
                                               {"wsMaximized", TWindowState::wsMaximized}};
const TEnumTable<TPosition> Positions = {{"poDesigned", TPosition::poDesigned},
                                         {"poDefault", TPosition::poDefault},
                                         {"poDefaultPosOnly", TPosition::poDefaultPosOnly},
                                         {"poScreenCenter", TPosition::poScreenCenter},
                                         {"poMainFormCenter", TPosition::poMainFormCenter},
                                         {"poOwnerFormCenter", TPosition::poOwnerFormCenter}};
const TEnumTable<TFontStyle> FontStyles = {
    {"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}};
const TEnumTable<int> Charsets = {{"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2}};

void CreateChildren(const definition::Node& node, TComponent& parent, TLoadContext& ctx,
                    std::vector<TComponent*>& created);

void ApplyProperties(TComponent& component, const definition::Node& node, TLoadContext& ctx) {
    std::vector<const TPropertyInfo*> published = TClassRegistry::PublishedProperties(component.ClassName());
    std::vector<std::pair<std::size_t, const definition::Property*>> ordered;
    for (const definition::Property& p : node.properties) {
        auto it = std::find_if(published.begin(), published.end(), [&](auto* info) { return info->Name == p.name; });
        if (it == published.end())
            TLoadContext::Fail(p.line, node.className + " has no published property '" + p.name + "'");
        ordered.emplace_back(std::size_t(it - published.begin()), &p);
    }
    std::stable_sort(ordered.begin(), ordered.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (auto& [index, p] : ordered) {
        try {
            published[index]->Apply(component, p->value, ctx);
        } catch (const definition::Error&) {
            throw;
        } catch (const std::exception& e) {
            TLoadContext::Fail(p->line, p->name + ": " + e.what());
        }
    }
}

void CreateChildren(const definition::Node& node, TComponent& parent, TLoadContext& ctx,
                    std::vector<TComponent*>& created) {
    for (const definition::Node& child : node.children) {
        const TClassInfo* info = TClassRegistry::Find(child.className);
        if (!info) TLoadContext::Fail(child.line, "unknown class " + child.className);
        if (!info->Create) TLoadContext::Fail(child.line, "class " + child.className + " cannot be created from a definition");
        TComponent* component = info->Create(&ctx.Root());
        component->BeginLoading();
        created.push_back(component);
        try {
            component->SetName(child.name);
        } catch (const std::exception&) {
            TLoadContext::Fail(child.line, "a component named " + child.name + " already exists");
        }
        component->SetParentComponent(&parent);
        ApplyProperties(*component, child, ctx);
        CreateChildren(child, *component, ctx, created);
    }
}

}  // namespace

// ---- registry ----------------------------------------------------------

void TClassRegistry::Register(TClassInfo info) {
    String name = info.Name;
    Classes()[name] = std::move(info);
}

const TClassInfo* TClassRegistry::Find(const String& name) {
    auto it = Classes().find(name);
    return it == Classes().end() ? nullptr : &it->second;
}

std::vector<const TPropertyInfo*> TClassRegistry::PublishedProperties(const String& className) {
    std::vector<const TClassInfo*> chain;
    for (const TClassInfo* info = Find(className); info; info = info->BaseName.empty() ? nullptr : Find(info->BaseName))
        chain.push_back(info);
    std::vector<const TPropertyInfo*> result;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        for (const TPropertyInfo& p : (*it)->Properties) result.push_back(&p);
    return result;
}

// ---- context -----------------------------------------------------------

void TLoadContext::Fail(int line, const String& message) { throw definition::Error(line, message); }

int TLoadContext::AsInt(const Value& v) {
    if (v.kind != Kind::Integer) Fail(v.line, "expected a whole number");
    if (v.integer < INT_MIN || v.integer > INT_MAX) Fail(v.line, "number out of range");
    return int(v.integer);
}

bool TLoadContext::AsBool(const Value& v) {
    if (v.kind == Kind::Identifier && v.text == "True") return true;
    if (v.kind == Kind::Identifier && v.text == "False") return false;
    Fail(v.line, "expected True or False");
}

const String& TLoadContext::AsString(const Value& v) {
    if (v.kind != Kind::String) Fail(v.line, "expected a quoted string");
    return v.text;
}

const String& TLoadContext::AsIdent(const Value& v) {
    if (v.kind != Kind::Identifier) Fail(v.line, "expected a name");
    return v.text;
}

TColor TLoadContext::AsColor(const Value& v) {
    if (v.kind == Kind::Integer) {
        if (v.integer < 0 || v.integer > 0xFFFFFFFFLL) Fail(v.line, "colour value out of range");
        return TColor(v.integer);
    }
    return AsEnum(v, NamedColors);
}

TComponent* TLoadContext::Component(const Value& v) {
    const String& name = AsIdent(v);
    if (name == FRoot.Name()) return &FRoot;
    TComponent* c = FRoot.FindComponent(name);
    if (!c) Fail(v.line, "no component named " + name);
    return c;
}

void TLoadContext::RunDeferred() {
    for (auto& step : FDeferred) step();
    FDeferred.clear();
}

// ---- value helpers -----------------------------------------------------

void LoadPicture(TPicture& picture, const Value& v) {
    if (v.kind != Kind::Resource) TLoadContext::Fail(v.line, "expected a picture as resource(\"file\")");
    picture.LoadFromBytes(ReadResource(v.text));
}

void SetFontCharset(TFont& font, const Value& v) {
    font.SetCharset(v.kind == Kind::Integer ? TLoadContext::AsInt(v) : TLoadContext::AsEnum(v, Charsets));
}

void SetFontStyle(TFont& font, const Value& v) { font.SetStyle(TFontStyles(TLoadContext::AsSet(v, FontStyles))); }

const TEnumTable<TAlign> AlignValues = {{"alNone", TAlign::alNone}, {"alTop", TAlign::alTop},
                                   {"alBottom", TAlign::alBottom}, {"alLeft", TAlign::alLeft},
                                   {"alRight", TAlign::alRight}, {"alClient", TAlign::alClient}};
const TEnumTable<TAlignment> AlignmentValues = {{"taLeftJustify", TAlignment::taLeftJustify},
                                           {"taRightJustify", TAlignment::taRightJustify},
                                           {"taCenter", TAlignment::taCenter}};
const TEnumTable<TTextLayout> LayoutValues = {
    {"tlTop", TTextLayout::tlTop}, {"tlCenter", TTextLayout::tlCenter}, {"tlBottom", TTextLayout::tlBottom}};
const TEnumTable<TBevelCut> BevelCutValues = {{"bvNone", TBevelCut::bvNone}, {"bvLowered", TBevelCut::bvLowered},
                                         {"bvRaised", TBevelCut::bvRaised}, {"bvSpace", TBevelCut::bvSpace}};
const TEnumTable<TBorderStyle> BorderStyleValues = {{"bsNone", TBorderStyle::bsNone}, {"bsSingle", TBorderStyle::bsSingle}};
const TEnumTable<TAnchorKind> AnchorKinds = {{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}};

// ---- loading -----------------------------------------------------------

void LoadDefinition(TForm& root, std::string_view text) {
    definition::Node tree = definition::Parse(text);
    if (tree.className != root.ClassName())
        TLoadContext::Fail(tree.line, "the definition is for a " + tree.className + ", not a " + root.ClassName());
    if (!TClassRegistry::Find(tree.className)) TLoadContext::Fail(tree.line, "unknown class " + tree.className);
    TLoadContext ctx(root);
    root.SetName(tree.name);
    root.BeginLoading();
    std::vector<TComponent*> created;
    ApplyProperties(root, tree, ctx);
    CreateChildren(tree, root, ctx, created);
    ctx.RunDeferred();
    for (TComponent* c : created) c->Loaded();
    root.Loaded();
}

// ---- the toolkit's classes ---------------------------------------------

namespace {

void PublishComponentBase() {
    TPublisher<TComponent>("TComponent", "", false).Int("Tag", &TComponent::SetTag).Ignored("DesignLeft").Ignored("DesignTop");
    TPublisher<TControl>("TControl", "TComponent", false);
    TPublisher<TWinControl>("TWinControl", "TControl", false)
        .Int("TabOrder", &TWinControl::SetTabOrder)
        .Bool("TabStop", &TWinControl::SetTabStop);
    TPublisher<TGraphicControl>("TGraphicControl", "TControl", false);
    TPublisher<TCustomControl>("TCustomControl", "TWinControl", false);
}

void PublishControlGroup(TPublisher<TCustomPanel>& p) {
    PublishBounds(p);
    PublishPlacement(p);
    PublishLook(p);
    p.Enum("BevelInner", BevelCutValues, &TCustomPanel::SetBevelInner)
        .Enum("BevelOuter", BevelCutValues, &TCustomPanel::SetBevelOuter)
        .Int("BevelWidth", &TCustomPanel::SetBevelWidth)
        .Int("BorderWidth", &TCustomPanel::SetBorderWidth)
        .Enum("BorderStyle", BorderStyleValues, &TCustomPanel::SetBorderStyle)
        .Enum("Alignment", AlignmentValues, &TCustomPanel::SetAlignment)
        .Bool("FullRepaint", &TCustomPanel::SetFullRepaint)
        .Ignored("Ctl3D")
        .Ignored("ParentCtl3D");
    PublishMouseEvents(p);
}

}  // namespace

void RegisterToolkitClasses() {
    PublishComponentBase();
    {
        TPublisher<TCustomPanel> p("TCustomPanel", "TCustomControl", false);
        PublishControlGroup(p);
    }
    TPublisher<TPanel>("TPanel", "TCustomPanel");
    {
        TPublisher<TLabel> p("TLabel", "TGraphicControl");
        PublishBounds(p);
    PublishPlacement(p);
        PublishLook(p);
        p.Enum("Alignment", AlignmentValues, &TLabel::SetAlignment)
            .Bool("AutoSize", &TLabel::SetAutoSize)
            .Enum("Layout", LayoutValues, &TLabel::SetLayout)
            .Bool("Transparent", &TLabel::SetTransparent)
            .Bool("WordWrap", &TLabel::SetWordWrap);
        PublishMouseEvents(p);
    }
    {
        TPublisher<TForm> p("TForm", "TWinControl", false);
        p.Int("Left", &TControl::SetLeft)
            .Int("Top", &TControl::SetTop)
            .Int("Width", &TControl::SetWidth)
            .Int("Height", &TControl::SetHeight)
            .Enum("Align", AlignValues, &TControl::SetAlign)
            .Bool("AutoScroll", &TForm::SetAutoScroll)
            .Enum("BorderStyle", FormBorderStyles, &TForm::SetBorderStyle)
            .Str("Caption", &TControl::SetCaption)
            .Int("ClientWidth", &TControl::SetClientWidth)
            .Int("ClientHeight", &TControl::SetClientHeight)
            .Color("Color", &TControl::SetColor)
            .FontOf(static_cast<TFont& (TForm::*)()>(&TControl::Font))
            .Enum("FormStyle", FormStyles, &TForm::SetFormStyle)
            .Ref("Menu", &TForm::SetMenu)
            .Bool("OldCreateOrder", &TForm::SetOldCreateOrder)
            .Enum("Position", Positions, &TForm::SetPosition)
            .Enum("WindowState", WindowStates, &TForm::SetWindowState)
            .Event("OnActivate", &TForm::OnActivate)
            .Event("OnClose", &TForm::OnClose)
            .Event("OnCreate", &TForm::OnCreate)
            .Event("OnDeactivate", &TForm::OnDeactivate)
            .Event("OnShow", &TForm::OnShow)
            .Event("OnHide", &TForm::OnHide)
            .Int("PixelsPerInch", &TForm::SetPixelsPerInch)
            .Int("TextHeight", &TForm::SetTextHeight);
    }
    {
        TPublisher<TRadioButton> p("TRadioButton", "TWinControl");
        PublishBounds(p);
        PublishPlacement(p);
        PublishLook(p);
        p.Bool("Checked", &TRadioButton::SetChecked);
        PublishMouseEvents(p);
    }
    {
        TPublisher<TRadioGroup> p("TRadioGroup", "TWinControl");
        PublishBounds(p);
        PublishPlacement(p);
        PublishLook(p);
        p.Int("Columns", &TRadioGroup::SetColumns)
            .Int("ItemIndex", &TRadioGroup::SetItemIndex)
            .Strings("Items", &TRadioGroup::SetItems);
        PublishMouseEvents(p);
    }
    {
        TPublisher<TButton> p("TButton", "TWinControl");
        PublishBounds(p);
        PublishPlacement(p);
        PublishLook(p);
        p.Bool("Default", &TButton::SetDefault).Bool("Cancel", &TButton::SetCancel);
        PublishMouseEvents(p);
    }
    {
        TPublisher<TMemo> p("TMemo", "TWinControl");
        PublishBounds(p);
        PublishPlacement(p);
        PublishLook(p);
        p.Strings("Lines", &TMemo::SetLines).Bool("ReadOnly", &TMemo::SetReadOnly).Bool("WordWrap", &TMemo::SetWordWrap);
    }
    {
        TPublisher<TImage> p("TImage", "TGraphicControl");
        PublishBounds(p);
        PublishPlacement(p);
        p.Bool("AutoSize", &TImage::SetAutoSize)
            .Bool("Center", &TImage::SetCenter)
            .Picture("Picture", &TImage::Picture)
            .Bool("Stretch", &TImage::SetStretch);
        PublishMouseEvents(p);
    }
    {
        TPublisher<TPaintBox> p("TPaintBox", "TGraphicControl");
        PublishBounds(p);
        PublishPlacement(p);
        PublishLook(p);
        p.Event("OnPaint", &TPaintBox::OnPaint);
        PublishMouseEvents(p);
    }
    TPublisher<TMainMenu>("TMainMenu", "TComponent");
    TPublisher<TMenuItem>("TMenuItem", "TComponent")
        .Str("Caption", &TMenuItem::SetCaption)
        .Bool("Checked", &TMenuItem::SetChecked)
        .Bool("Enabled", &TMenuItem::SetEnabled)
        .Bool("Visible", &TMenuItem::SetVisible)
        .Event("OnClick", &TMenuItem::OnClick);
}

// TForm's reading of its own definition lives here, beside the loader.
void TForm::LoadDefinition(std::string_view text) {
    ::LoadDefinition(*this, text);
    BindFields();
}

void TForm::LoadDefinitionResource(const String& name) { LoadDefinition(ReadResource(name)); }
