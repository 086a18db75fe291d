#include "layout.h"

#include "forms.h"

#include <cctype>
#include <memory>

namespace {

struct Token {
    enum Kind { End, Word, Number, Text, Symbol };
    Kind kind = End;
    std::string text;
    long long number = 0;
    int line = 1;
};

class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : FText(text) {}

    Token Next() {
        SkipBlanks();
        Token t;
        t.line = FLine;
        if (FPos >= FText.size()) return t;
        const char c = FText[FPos];
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            t.kind = Token::Word;
            while (FPos < FText.size() && (std::isalnum(static_cast<unsigned char>(FText[FPos])) ||
                                           FText[FPos] == '_' || FText[FPos] == '.'))
                t.text += FText[FPos++];
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '-') {
            t.kind = Token::Number;
            t.text = ReadNumber();
            t.number = std::stoll(t.text);
        } else if (c == '\'' || c == '#') {
            t.kind = Token::Text;
            t.text = ReadText();
        } else {
            t.kind = Token::Symbol;
            t.text = std::string(1, c);
            ++FPos;
        }
        return t;
    }

    [[noreturn]] void Fail(const std::string& what) const {
        throw ELayoutError("line " + std::to_string(FLine) + ": " + what);
    }

private:
    void SkipBlanks() {
        while (FPos < FText.size()) {
            if (FText[FPos] == '\n') {
                ++FLine;
                ++FPos;
            } else if (std::isspace(static_cast<unsigned char>(FText[FPos]))) {
                ++FPos;
            } else if (FText.substr(FPos, 2) == "//") {
                while (FPos < FText.size() && FText[FPos] != '\n')
                    ++FPos;
            } else {
                break;
            }
        }
    }

    std::string ReadNumber() {
        std::string digits;
        if (FText[FPos] == '-') digits += FText[FPos++];
        while (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos])))
            digits += FText[FPos++];
        if (digits.empty() || digits == "-" || digits.size() > 12) Fail("bad number");
        return digits;
    }

    // Quoted pieces and #NNN character codes that touch make one text; "+" joins pieces across
    // blanks and lines.
    std::string ReadText() {
        std::string text;
        for (;;) {
            if (FPos < FText.size() && FText[FPos] == '\'') {
                ++FPos;
                for (;;) {
                    if (FPos >= FText.size() || FText[FPos] == '\n') Fail("unterminated text");
                    if (FText[FPos] == '\'') {
                        if (FText.substr(FPos, 2) != "''") break;
                        ++FPos;
                    }
                    text += FText[FPos++];
                }
                ++FPos;
            } else if (FPos < FText.size() && FText[FPos] == '#') {
                ++FPos;
                int code = 0;
                int digits = 0;
                while (FPos < FText.size() &&
                       std::isdigit(static_cast<unsigned char>(FText[FPos]))) {
                    code = code * 10 + (FText[FPos++] - '0');
                    if (++digits > 3) Fail("bad character code");
                }
                if (digits == 0 || code > 255) Fail("bad character code");
                text += static_cast<char>(code);
            } else {
                std::size_t save = FPos;
                int saveLine = FLine;
                SkipBlanks();
                if (FPos < FText.size() && FText[FPos] == '+') {
                    ++FPos;
                    SkipBlanks();
                    if (FPos < FText.size() && (FText[FPos] == '\'' || FText[FPos] == '#'))
                        continue;
                    Fail("text expected after +");
                }
                FPos = save;
                FLine = saveLine;
                return text;
            }
        }
    }

    std::string_view FText;
    std::size_t FPos = 0;
    int FLine = 1;
};

struct LayoutObject {
    std::string name;
    std::string className;
    int line = 0;
    std::vector<std::pair<std::string, LayoutValue>> properties;
    std::vector<std::unique_ptr<LayoutObject>> children;
};

class Parser {
public:
    explicit Parser(std::string_view text) : FTokens(text) { Advance(); }

    std::unique_ptr<LayoutObject> ParseLayout() {
        auto root = ParseObject();
        if (FToken.kind != Token::End) FTokens.Fail("text after the last end");
        return root;
    }

private:
    void Advance() { FToken = FTokens.Next(); }

    std::string ExpectWord() {
        if (FToken.kind != Token::Word) FTokens.Fail("a name is expected");
        std::string word = FToken.text;
        Advance();
        return word;
    }

    void ExpectSymbol(char symbol) {
        if (FToken.kind != Token::Symbol || FToken.text[0] != symbol)
            FTokens.Fail(std::string("'") + symbol + "' is expected");
        Advance();
    }

    bool AtSymbol(char symbol) const {
        return FToken.kind == Token::Symbol && FToken.text[0] == symbol;
    }

    std::unique_ptr<LayoutObject> ParseObject() {
        if (FToken.kind != Token::Word || FToken.text != "object") FTokens.Fail("object expected");
        auto object = std::make_unique<LayoutObject>();
        object->line = FToken.line;
        Advance();
        object->name = ExpectWord();
        ExpectSymbol(':');
        object->className = ExpectWord();
        for (;;) {
            if (FToken.kind == Token::End) FTokens.Fail("end of " + object->name + " missing");
            if (FToken.kind == Token::Word && FToken.text == "end") {
                Advance();
                return object;
            }
            if (FToken.kind == Token::Word && FToken.text == "object") {
                object->children.push_back(ParseObject());
                continue;
            }
            std::string name = ExpectWord();
            ExpectSymbol('=');
            object->properties.emplace_back(std::move(name), ParseValue());
        }
    }

    LayoutValue ParseValue() {
        LayoutValue value;
        value.line = FToken.line;
        switch (FToken.kind) {
        case Token::Number:
            value.kind = LayoutValue::Integer;
            value.integer = FToken.number;
            Advance();
            return value;
        case Token::Word:
            value.kind = LayoutValue::Identifier;
            value.text = FToken.text;
            Advance();
            return value;
        case Token::Text:
            value.kind = LayoutValue::String;
            value.text = FToken.text;
            Advance();
            return value;
        default:
            break;
        }
        if (AtSymbol('[')) {
            value.kind = LayoutValue::Set;
            Advance();
            while (!AtSymbol(']')) {
                if (!value.items.empty()) ExpectSymbol(',');
                value.items.push_back(ExpectWord());
            }
            Advance();
            return value;
        }
        if (AtSymbol('(')) {
            value.kind = LayoutValue::List;
            Advance();
            while (!AtSymbol(')')) {
                if (FToken.kind != Token::Text) FTokens.Fail("a text is expected in the list");
                value.items.push_back(FToken.text);
                Advance();
            }
            Advance();
            return value;
        }
        FTokens.Fail("a value is expected");
    }

    Tokenizer FTokens;
    Token FToken;
};

struct Builder {
    TComponent& root;
    LayoutReader& reader;

    void Apply(TComponent& component, const LayoutObject& object) {
        for (const auto& [name, value] : object.properties)
            if (!component.SetProperty(name, value, reader))
                reader.Fail(value, object.className + " has no property " + name);
    }

    void Build(const LayoutObject& object, TComponent& enclosing) {
        for (const auto& child : object.children) {
            LayoutValue where{LayoutValue::Identifier, 0, child->className, {}, child->line};
            const TComponentClass* cls = FindClass(child->className);
            if (!cls) reader.Fail(where, "unknown class " + child->className);
            if (root.FindComponent(child->name))
                reader.Fail(where, "a second component named " + child->name);
            TComponent* component = cls->Create(&root);
            component->SetName(child->name);
            if (auto* control = dynamic_cast<TControl*>(component)) {
                auto* parent = dynamic_cast<TWinControl*>(&enclosing);
                if (!parent) reader.Fail(where, object.name + " cannot hold controls");
                control->SetParent(parent);
            }
            reader.BeginLoading(*component);
            Apply(*component, *child);
            Build(*child, *component);
        }
    }
};

} // namespace

void LoadLayout(TComponent& root, std::string_view text, const LayoutResources& resources,
                const LayoutHandlers& handlers) {
    const auto layout = Parser(text).ParseLayout();
    LayoutReader reader(root, resources, handlers);
    Builder builder{root, reader};
    // A form's layout names the form; a component's own layout only describes its class.
    if (dynamic_cast<TForm*>(&root)) root.SetName(layout->name);
    reader.BeginLoading(root);
    builder.Apply(root, *layout);
    builder.Build(*layout, root);
    reader.Finish();
}

void LayoutReader::BeginLoading(TComponent& component) {
    component.FLoading = true;
    FLoading.push_back(&component);
}

void LayoutReader::Finish() {
    for (auto& f : FDeferred)
        f();
    for (TComponent* c : FLoading)
        c->FLoading = false;
    for (TComponent* c : FLoading)
        c->Loaded();
}

void LayoutReader::Fail(const LayoutValue& value, const std::string& what) const {
    throw ELayoutError("line " + std::to_string(value.line) + ": " + what);
}

const std::string& LayoutReader::Word(const LayoutValue& value, LayoutValue::Kind kind) const {
    if (value.kind != kind)
        Fail(value, kind == LayoutValue::Identifier ? "a name is expected" : "a text is expected");
    return value.text;
}

int LayoutReader::Integer(const LayoutValue& value) const {
    if (value.kind != LayoutValue::Integer) Fail(value, "a number is expected");
    if (value.integer < -100000 || value.integer > 100000) Fail(value, "number out of range");
    return static_cast<int>(value.integer);
}

bool LayoutReader::Boolean(const LayoutValue& value) const {
    const std::string& word = Word(value, LayoutValue::Identifier);
    if (word == "True") return true;
    if (word == "False") return false;
    Fail(value, "True or False is expected");
}

std::string LayoutReader::String(const LayoutValue& value) const {
    return Word(value, LayoutValue::String);
}

std::vector<std::string> LayoutReader::Strings(const LayoutValue& value) const {
    if (value.kind != LayoutValue::List) Fail(value, "a list of texts is expected");
    return value.items;
}

TColor LayoutReader::Color(const LayoutValue& value) const {
    if (value.kind == LayoutValue::Integer) return static_cast<TColor>(value.integer);
    TColor color = clBlack;
    if (!IdentToColor(Word(value, LayoutValue::Identifier), color))
        Fail(value, "unknown colour " + value.text);
    return color;
}

TBitmap LayoutReader::Bitmap(const LayoutValue& value) const {
    const std::string& name = Word(value, LayoutValue::String);
    std::span<const unsigned char> data =
        FResources ? FResources(name) : std::span<const unsigned char>();
    if (data.empty()) Fail(value, "no picture named " + name);
    try {
        return TBitmap::FromBmp(data);
    } catch (const Exception& e) {
        Fail(value, name + ": " + e.Message());
    }
}

TComponent* LayoutReader::Component(const LayoutValue& value) const {
    const std::string& name = Word(value, LayoutValue::Identifier);
    TComponent* component = FRoot.FindComponent(name);
    if (!component) Fail(value, "no component named " + name);
    return component;
}
