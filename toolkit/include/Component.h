#pragma once

#include <functional>
#include <string>
#include <utility>

// Colour values: red in the low byte, then green, then blue. Negative values name the
// system's colours, which the toolkit takes from the platform's palette when it draws.
using TColor = int;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clWindowText = -16777208;   // system colour 8
inline constexpr TColor clBtnFace = -16777201;      // system colour 15
inline constexpr TColor clBtnShadow = -16777200;    // system colour 16
inline constexpr TColor clBtnHighlight = -16777196; // system colour 20

class TObject {
public:
    virtual ~TObject() = default;
};

// An event handler takes the component that raised the event.
using TNotifyEvent = std::function<void(TObject* Sender)>;

// Anything a layout creates by name: the form's components, its menu items and timers.
class TComponent : public TObject {
public:
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return ComponentName; }

protected:
    explicit TComponent(std::string Name)
        : ComponentName(std::move(Name))
    { }

private:
    std::string ComponentName;
};
