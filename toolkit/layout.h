// Layouts as data: a form's (or a component's) children, their classes, parents, bounds,
// captions, fonts, colours, pictures and event wiring, kept as text beside the form and built
// into the binary. The component's constructor builds its children from it.
//
// The text is a tree of objects:
//
//   object FormInput: TFormInput          // the component being built; its name
//     ClientWidth = 238                   // properties: integers, identifiers, strings,
//     Font.Style = [fsBold]               // sets, and lists of strings in parentheses
//     object Display: TPanel              // a new component, owned by the root and a child
//       Caption = 'Zu Tarvel'#178         // of the object it stands in; #NNN is the
//       OnClick = DisplayClick            // Windows-1252 character NNN
//     end
//   end
//
// Classes come from the class registry; pictures name resources; handlers name the methods
// the root hands over.
#pragma once

#include <array>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "controls.h"
#include "sysutils.h"

class ELayoutError : public Exception {
public:
    using Exception::Exception;
};

struct LayoutValue {
    enum Kind { Integer, Identifier, String, Set, List };
    Kind kind = Integer;
    long long integer = 0;
    std::string text;               // an identifier or a string
    std::vector<std::string> items; // the members of a set or the strings of a list
    int line = 0;
};

template <class E> struct EnumName {
    std::string_view name;
    E value;
};

inline constexpr std::array<EnumName<TAlign>, 6> kAlignNames{{
    {"alNone", alNone},
    {"alTop", alTop},
    {"alBottom", alBottom},
    {"alLeft", alLeft},
    {"alRight", alRight},
    {"alClient", alClient},
}};

inline constexpr std::array<EnumName<TAlignment>, 3> kAlignmentNames{{
    {"taLeftJustify", taLeftJustify},
    {"taRightJustify", taRightJustify},
    {"taCenter", taCenter},
}};

using LayoutHandler = std::variant<TNotifyEvent, TMouseEvent, TMouseMoveEvent>;
using LayoutHandlers = std::map<std::string, LayoutHandler, std::less<>>;
// The bytes of a named resource (a picture), empty when there is none.
using LayoutResources = std::function<std::span<const unsigned char>(std::string_view name)>;

// What a component sees of the layout while its properties are applied.
class LayoutReader {
public:
    LayoutReader(TComponent& root, const LayoutResources& resources, const LayoutHandlers& handlers)
        : FRoot(root), FResources(resources), FHandlers(handlers) {}

    int Integer(const LayoutValue& value) const;
    bool Boolean(const LayoutValue& value) const;
    std::string String(const LayoutValue& value) const;
    std::vector<std::string> Strings(const LayoutValue& value) const;
    TColor Color(const LayoutValue& value) const;
    TBitmap Bitmap(const LayoutValue& value) const;
    // A component of the layout by name, once every object exists (see AfterLoad).
    TComponent* Component(const LayoutValue& value) const;

    template <class E, std::size_t N>
    E Enum(const LayoutValue& value, const std::array<EnumName<E>, N>& names) const {
        const std::string& name = Word(value, LayoutValue::Identifier);
        for (const auto& n : names)
            if (n.name == name) return n.value;
        Fail(value, "unknown value " + name);
    }

    template <class E, std::size_t N>
    TSet<E> Set(const LayoutValue& value, const std::array<EnumName<E>, N>& names) const {
        if (value.kind != LayoutValue::Set) Fail(value, "a set is expected");
        TSet<E> set;
        for (const std::string& item : value.items) {
            LayoutValue member{LayoutValue::Identifier, 0, item, {}, value.line};
            set << Enum(member, names);
        }
        return set;
    }

    // The named handler, which must be of the event's type H.
    template <class H> H Handler(const LayoutValue& value) const {
        const std::string& name = Word(value, LayoutValue::Identifier);
        auto found = FHandlers.find(name);
        if (found == FHandlers.end()) Fail(value, "no handler named " + name);
        if (const H* handler = std::get_if<H>(&found->second)) return *handler;
        Fail(value, "handler " + name + " does not fit the event");
    }

    // Runs f once every object of the layout exists.
    void AfterLoad(std::function<void()> f) { FDeferred.push_back(std::move(f)); }
    // Marks a component as being loaded by this layout, until Finish.
    void BeginLoading(TComponent& component);
    // Runs what waited for every object, then ends loading and calls Loaded on each component.
    void Finish();
    [[noreturn]] void Fail(const LayoutValue& value, const std::string& what) const;

private:
    const std::string& Word(const LayoutValue& value, LayoutValue::Kind kind) const;

    TComponent& FRoot;
    const LayoutResources& FResources;
    const LayoutHandlers& FHandlers;
    std::vector<std::function<void()>> FDeferred;
    std::vector<TComponent*> FLoading;
};

// Builds root's components from the layout text. Throws ELayoutError naming the line.
void LoadLayout(TComponent& root, std::string_view text, const LayoutResources& resources,
                const LayoutHandlers& handlers);

// Handlers for LoadLayout from methods of the root.
template <class C> LayoutHandler Method(C* object, void (C::*method)(TObject*)) {
    return TNotifyEvent([object, method](TObject* sender) { (object->*method)(sender); });
}
template <class C>
LayoutHandler Method(C* object, void (C::*method)(TObject*, TMouseButton, TShiftState, int, int)) {
    return TMouseEvent([object, method](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        (object->*method)(s, b, sh, x, y);
    });
}
template <class C>
LayoutHandler Method(C* object, void (C::*method)(TObject*, TShiftState, int, int)) {
    return TMouseMoveEvent([object, method](TObject* s, TShiftState sh, int x, int y) {
        (object->*method)(s, sh, x, y);
    });
}

// Points a field of the root at the component of that name that its layout built.
template <class T> void BindComponent(TComponent& root, T*& field, std::string_view name) {
    field = dynamic_cast<T*>(root.FindComponent(name));
    if (!field)
        throw ELayoutError("the layout has no component " + std::string(name) +
                           " of the expected class");
}

// The class registry: how a layout creates a component of a named class.
struct TComponentClass {
    std::string Name;
    std::function<TComponent*(TComponent* owner)> Create;
};

template <class T> TComponentClass ClassOf(std::string name) {
    return {std::move(name), [](TComponent* owner) -> TComponent* { return new T(owner); }};
}

void RegisterClass(const TComponentClass& componentClass);
// Registers classes and puts them on a page of the component palette.
void RegisterComponents(const std::string& page, std::initializer_list<TComponentClass> classes);
const TComponentClass* FindClass(std::string_view name);
// The palette page a class was registered on; empty when it is on none.
std::string PalettePage(std::string_view className);
