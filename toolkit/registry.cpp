// The class registry, holding the toolkit's own classes from the start.
#include <map>

#include "buttons.h"
#include "comctrls.h"
#include "extctrls.h"
#include "layout.h"

namespace {

struct Registered {
    TComponentClass componentClass;
    std::string page;
};

std::map<std::string, Registered, std::less<>>& registry() {
    static std::map<std::string, Registered, std::less<>> classes = [] {
        std::map<std::string, Registered, std::less<>> builtIn;
        for (TComponentClass c : {
                 ClassOf<TLabel>("TLabel"),
                 ClassOf<TButton>("TButton"),
                 ClassOf<TListBox>("TListBox"),
                 ClassOf<TImage>("TImage"),
                 ClassOf<TPanel>("TPanel"),
                 ClassOf<TBevel>("TBevel"),
                 ClassOf<TSpeedButton>("TSpeedButton"),
                 ClassOf<TBitBtn>("TBitBtn"),
                 ClassOf<TPageControl>("TPageControl"),
                 ClassOf<TTabSheet>("TTabSheet"),
                 ClassOf<TRichEdit>("TRichEdit"),
             })
            builtIn.emplace(c.Name, Registered{c, {}});
        return builtIn;
    }();
    return classes;
}

} // namespace

void RegisterClass(const TComponentClass& componentClass) {
    registry()[componentClass.Name].componentClass = componentClass;
}

void RegisterComponents(const std::string& page, std::initializer_list<TComponentClass> classes) {
    for (const TComponentClass& c : classes)
        registry()[c.Name] = Registered{c, page};
}

const TComponentClass* FindClass(std::string_view name) {
    auto found = registry().find(name);
    return found == registry().end() ? nullptr : &found->second.componentClass;
}

std::string PalettePage(std::string_view className) {
    auto found = registry().find(className);
    return found == registry().end() ? std::string() : found->second.page;
}
