// Points, rectangles, sets, the object and component base classes and notify events.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
    friend TPoint operator+(TPoint a, TPoint b) { return {a.X + b.X, a.Y + b.Y}; }
    friend TPoint operator-(TPoint a, TPoint b) { return {a.X - b.X, a.Y - b.Y}; }
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// Right and Bottom lie just outside the rectangle.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(TPoint p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    TRect Inflated(int d) const { return {Left - d, Top - d, Right + d, Bottom + d}; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

// A set of the values of a small enumeration, stored as bits.
template <class E> class TSet {
public:
    TSet() = default;
    TSet(std::initializer_list<E> values) {
        for (E v : values)
            *this << v;
    }
    bool Contains(E v) const { return (bits & bit(v)) != 0; }
    TSet& operator<<(E v) {
        bits |= bit(v);
        return *this;
    }
    TSet& operator>>(E v) {
        bits &= ~bit(v);
        return *this;
    }
    bool Empty() const { return bits == 0; }
    friend bool operator==(const TSet&, const TSet&) = default;

private:
    static unsigned bit(E v) { return 1u << static_cast<unsigned>(v); }
    unsigned bits = 0;
};

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

class LayoutReader;
struct LayoutValue;

// A component may own others; an owner destroys what it owns, the most recent first.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& name) { FName = name; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(index); }
    // An owned component by name, or null.
    TComponent* FindComponent(std::string_view name) const;
    bool Destroying() const { return FDestroying; }
    // True while a layout is applying this component's stored properties.
    bool Loading() const { return FLoading; }

    // Applies one stored property of a layout; false when the class has no such property.
    virtual bool SetProperty(std::string_view name, const LayoutValue& value, LayoutReader& reader);
    // Called once all stored properties of the layout that built this component are applied.
    virtual void Loaded() {}

protected:
    // Derived destructors that still need their parts call this first.
    void BeginDestroy() { FDestroying = true; }

private:
    friend class LayoutReader;
    TComponent* FOwner;
    std::vector<TComponent*> FComponents;
    std::string FName;
    bool FDestroying = false;
    bool FLoading = false;
};
