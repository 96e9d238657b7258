#pragma once
// Builds a form's components from a parsed window definition.
//
// Each class registers its published properties by name, in published order,
// with a setter. The loader creates components in definition order (owned by
// the root form), applies each object's values in published order, binds
// events to the root's published handlers by name, sets component references
// once the whole tree is read, then tells every component loading finished.
// Errors name the line and what was wrong (definition::Error).

#include <any>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/bitmap.h"
#include "toolkit/definition_parser.h"
#include "toolkit/form.h"
#include "toolkit/strings.h"

class TLoadContext;

using TPropertySetter = std::function<void(TComponent& target, const definition::Value& value, TLoadContext& context)>;

struct TPropertyInfo {
    String Name;
    TPropertySetter Apply;
};

struct TClassInfo {
    String Name;
    String BaseName;  // empty for a root of the hierarchy
    std::function<TComponent*(TComponent* owner)> Create;  // empty: not creatable from a definition
    std::vector<TPropertyInfo> Properties;
};

class TClassRegistry {
public:
    static void Register(TClassInfo info);
    static const TClassInfo* Find(const String& name);
    // The class's published properties, its bases' first; index = published order.
    static std::vector<const TPropertyInfo*> PublishedProperties(const String& className);
};

template <class E>
using TEnumTable = std::vector<std::pair<String, E>>;

class TLoadContext {
public:
    explicit TLoadContext(TForm& root) : FRoot(root) {}
    TForm& Root() const { return FRoot; }

    [[noreturn]] static void Fail(int line, const String& message);
    static int AsInt(const definition::Value& v);
    static bool AsBool(const definition::Value& v);
    static const String& AsString(const definition::Value& v);
    static const String& AsIdent(const definition::Value& v);
    static TColor AsColor(const definition::Value& v);
    template <class E>
    static E AsEnum(const definition::Value& v, const TEnumTable<E>& table) {
        const String& id = AsIdent(v);
        for (auto& [name, value] : table)
            if (name == id) return value;
        Fail(v.line, "unknown value '" + id + "'");
    }
    template <class E>
    static unsigned AsSet(const definition::Value& v, const TEnumTable<E>& table) {
        if (v.kind != definition::Value::Kind::Set) Fail(v.line, "expected a set such as [a, b]");
        unsigned bits = 0;
        for (const String& item : v.items) {
            definition::Value one{definition::Value::Kind::Identifier, 0, item, {}, v.line};
            bits |= unsigned(AsEnum(one, table));
        }
        return bits;
    }

    // The root form's handler of that name, as the given event type.
    template <class E>
    E Handler(const definition::Value& v) {
        const String& name = AsIdent(v);
        const std::any* handler = FRoot.FindHandler(name);
        if (!handler) Fail(v.line, FRoot.ClassName() + " has no handler named " + name);
        if (const E* event = std::any_cast<E>(handler)) return *event;
        Fail(v.line, "handler " + name + " does not have the shape this event needs");
    }

    // Runs once the whole tree has been read (component references).
    void Defer(std::function<void()> step) { FDeferred.push_back(std::move(step)); }
    void RunDeferred();
    // The root or a component it owns, by name; fails on the value's line.
    TComponent* Component(const definition::Value& v);

private:
    TForm& FRoot;
    std::vector<std::function<void()>> FDeferred;
};

// Fluent registration of one class's published properties.
template <class T>
class TPublisher {
public:
    TPublisher(const String& name, const String& baseName, bool creatable = true) {
        FInfo.Name = name;
        FInfo.BaseName = baseName;
        if constexpr (std::is_constructible_v<T, TComponent*>) {
            if (creatable) FInfo.Create = [](TComponent* owner) -> TComponent* { return new T(owner); };
        }
    }
    ~TPublisher() {
        if (!FInfo.Name.empty()) TClassRegistry::Register(std::move(FInfo));
    }
    TPublisher(const TPublisher&) = delete;
    TPublisher& operator=(const TPublisher&) = delete;

    TPublisher& Custom(const String& name, std::function<void(T&, const definition::Value&, TLoadContext&)> set) {
        FInfo.Properties.push_back(
            {name, [set](TComponent& c, const definition::Value& v, TLoadContext& ctx) { set(Self(c), v, ctx); }});
        return *this;
    }
    // Accepted and kept nowhere: values only a form designer uses.
    TPublisher& Ignored(const String& name) {
        return Custom(name, [](T&, const definition::Value&, TLoadContext&) {});
    }
    template <class S, class V>
    TPublisher& Int(const String& name, void (S::*set)(V)) {
        return Custom(name, [set](T& t, const definition::Value& v, TLoadContext&) { (t.*set)(V(TLoadContext::AsInt(v))); });
    }
    template <class S>
    TPublisher& Bool(const String& name, void (S::*set)(bool)) {
        return Custom(name, [set](T& t, const definition::Value& v, TLoadContext&) { (t.*set)(TLoadContext::AsBool(v)); });
    }
    template <class S>
    TPublisher& Bool(const String& name, bool S::*field) {
        return Custom(name, [field](T& t, const definition::Value& v, TLoadContext&) { t.*field = TLoadContext::AsBool(v); });
    }
    template <class S>
    TPublisher& Str(const String& name, void (S::*set)(const String&)) {
        return Custom(name,
                      [set](T& t, const definition::Value& v, TLoadContext&) { (t.*set)(TLoadContext::AsString(v)); });
    }
    template <class S>
    TPublisher& Color(const String& name, void (S::*set)(TColor)) {
        return Custom(name, [set](T& t, const definition::Value& v, TLoadContext&) { (t.*set)(TLoadContext::AsColor(v)); });
    }
    template <class S, class E>
    TPublisher& Enum(const String& name, const TEnumTable<E>& table, void (S::*set)(E)) {
        return Custom(name, [set, &table](T& t, const definition::Value& v, TLoadContext&) {
            (t.*set)(TLoadContext::AsEnum(v, table));
        });
    }
    template <class S, class B, class E>
    TPublisher& Set(const String& name, const TEnumTable<E>& table, void (S::*set)(B)) {
        return Custom(name, [set, &table](T& t, const definition::Value& v, TLoadContext&) {
            (t.*set)(B(TLoadContext::AsSet(v, table)));
        });
    }
    template <class S>
    TPublisher& Strings(const String& name, void (S::*set)(const TStrings&)) {
        return Custom(name, [set](T& t, const definition::Value& v, TLoadContext&) {
            if (v.kind != definition::Value::Kind::StringList) TLoadContext::Fail(v.line, "expected a list of strings");
            TStrings lines;
            for (const String& s : v.items) lines.Add(s);
            (t.*set)(lines);
        });
    }
    // A reference to another component; set once the whole tree is read.
    template <class S, class C>
    TPublisher& Ref(const String& name, void (S::*set)(C*)) {
        return Custom(name, [set](T& t, const definition::Value& v, TLoadContext& ctx) {
            TLoadContext::AsIdent(v);
            ctx.Defer([&t, set, v, &ctx] {
                TComponent* c = ctx.Component(v);
                auto* typed = dynamic_cast<C*>(c);
                if (!typed) TLoadContext::Fail(v.line, v.text + " is a " + c->ClassName() + ", which does not fit here");
                (t.*set)(typed);
            });
        });
    }
    template <class S, class E>
    TPublisher& Event(const String& name, E S::*field) {
        return Custom(name, [field](T& t, const definition::Value& v, TLoadContext& ctx) {
            t.*field = ctx.template Handler<E>(v);
        });
    }
    template <class S, class E>
    TPublisher& Event(const String& name, void (S::*set)(E)) {
        return Custom(name, [set](T& t, const definition::Value& v, TLoadContext& ctx) {
            (t.*set)(ctx.template Handler<std::decay_t<E>>(v));
        });
    }
    // A picture given as the name of an embedded file.
    template <class S>
    TPublisher& Picture(const String& name, TPicture& (S::*get)()) {
        return Custom(name, [get](T& t, const definition::Value& v, TLoadContext&) { LoadPicture((t.*get)(), v); });
    }
    // Font.Name, Font.Height, Font.Color, Font.Style and Font.Charset.
    TPublisher& FontOf(TFont& (T::*get)()) {
        Custom("Font.Charset", [get](T& t, const definition::Value& v, TLoadContext&) { SetFontCharset((t.*get)(), v); });
        Custom("Font.Color", [get](T& t, const definition::Value& v, TLoadContext&) { (t.*get)().SetColor(TLoadContext::AsColor(v)); });
        Custom("Font.Height", [get](T& t, const definition::Value& v, TLoadContext&) { (t.*get)().SetHeight(TLoadContext::AsInt(v)); });
        Custom("Font.Name", [get](T& t, const definition::Value& v, TLoadContext&) { (t.*get)().SetName(TLoadContext::AsString(v)); });
        Custom("Font.Style", [get](T& t, const definition::Value& v, TLoadContext&) { SetFontStyle((t.*get)(), v); });
        return *this;
    }

private:
    static T& Self(TComponent& c) { return static_cast<T&>(c); }
    TClassInfo FInfo;
};

void LoadPicture(TPicture& picture, const definition::Value& value);
void SetFontCharset(TFont& font, const definition::Value& value);
void SetFontStyle(TFont& font, const definition::Value& value);

// Reads a definition into its root form (see TForm::LoadDefinition).
void LoadDefinition(TForm& root, std::string_view text);

// The toolkit's own classes: forms, panels, labels, menus.
void RegisterToolkitClasses();

extern const TEnumTable<TAnchorKind> AnchorKinds;
extern const TEnumTable<TAlign> AlignValues;
extern const TEnumTable<TAlignment> AlignmentValues;
extern const TEnumTable<TTextLayout> LayoutValues;
extern const TEnumTable<TBevelCut> BevelCutValues;
extern const TEnumTable<TBorderStyle> BorderStyleValues;

// Property groups most controls publish, in their published order.
template <class T>
void PublishBounds(TPublisher<T>& p) {
    p.Int("Left", &TControl::SetLeft)
        .Int("Top", &TControl::SetTop)
        .Int("Width", &TControl::SetWidth)
        .Int("Height", &TControl::SetHeight)
        .Ignored("Cursor")
        .Str("Hint", &TControl::SetHint)
        .Ignored("HelpContext");
}

template <class T>
void PublishPlacement(TPublisher<T>& p) {
    p.Enum("Align", AlignValues, &TControl::SetAlign)
        .Set("Anchors", AnchorKinds, &TControl::SetAnchors)
        .Ignored("Constraints")
        .Bool("Enabled", &TControl::SetEnabled)
        .Ignored("ParentShowHint")
        .Ignored("ShowHint")
        .Bool("Visible", &TControl::SetVisible);
}

template <class T>
void PublishLook(TPublisher<T>& p) {
    p.Str("Caption", &TControl::SetCaption)
        .Color("Color", &TControl::SetColor)
        .FontOf(static_cast<TFont& (T::*)()>(&TControl::Font))
        .Bool("ParentColor", &TControl::SetParentColor)
        .Bool("ParentFont", &TControl::SetParentFont);
}

template <class T>
void PublishMouseEvents(TPublisher<T>& p) {
    p.Event("OnClick", &TControl::OnClick)
        .Event("OnMouseDown", &TControl::OnMouseDown)
        .Event("OnMouseMove", &TControl::OnMouseMove)
        .Event("OnMouseUp", &TControl::OnMouseUp)
        .Event("OnMouseEnter", &TControl::OnMouseEnter)
        .Event("OnMouseLeave", &TControl::OnMouseLeave);
}
