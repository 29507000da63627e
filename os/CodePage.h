#pragma once
// 8-bit text in a Windows code page. Text that carries no byte-order mark is read in the
// system's ANSI code page on Windows (os/win32/Win32CodePage); elsewhere Windows-1252 stands
// in for it, which reads every text the program ships.

#include <string>
#include <string_view>

namespace vantrel::os {

class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // Every byte becomes text; bytes the code page leaves undefined become some character,
    // never an error.
    virtual std::wstring Decode(std::string_view bytes) const = 0;
};

// Windows-1252, with its five undefined bytes mapped to the control characters of the same
// number, as Windows itself decodes them.
const AnsiCodePage& Windows1252();

} // namespace vantrel::os
