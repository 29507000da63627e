#pragma once
// A control's font as the form designer describes it: face name, size in points, style and
// colour. Changes are announced through OnChange so that the owning control can mirror them.

#include <cstdint>
#include <functional>
#include <string>

namespace vantrel {

// Colours: 0x00BBGGRR for plain colours; system colours carry the high bit and the
// GetSysColor index in the low byte.
using Color = std::uint32_t;
inline constexpr Color SystemColor(int index) {
    return 0x80000000u | std::uint32_t(index);
}
inline constexpr Color clWindowText = SystemColor(8); // COLOR_WINDOWTEXT
inline constexpr Color clWindow = SystemColor(5);     // COLOR_WINDOW
inline constexpr Color clBtnFace = SystemColor(15);   // COLOR_BTNFACE
inline constexpr Color clBlack = 0x000000;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clGray = 0x808080;
inline constexpr bool IsSystemColor(Color c) {
    return (c & 0x80000000u) != 0;
}

enum FontStyle : unsigned {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

struct FontData {
    std::wstring name = L"Tahoma";
    int size = 8; // points
    unsigned style = 0;
    Color color = clWindowText;
    bool operator==(const FontData&) const = default;
};

class TFont {
public:
    TFont() = default;
    explicit TFont(FontData data) : data_(std::move(data)) {}

    const std::wstring& Name() const { return data_.name; }
    int Size() const { return data_.size; }
    unsigned Style() const { return data_.style; }
    Color FontColor() const { return data_.color; }
    const FontData& Data() const { return data_; }

    void SetName(std::wstring name);
    void SetSize(int points);
    void SetStyle(unsigned style);
    void SetColor(Color color);
    void Assign(const FontData& data);

    std::function<void()> OnChange;

private:
    void Changed();
    FontData data_;
};

} // namespace vantrel
