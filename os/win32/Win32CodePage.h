#pragma once
// The system's ANSI code page (CP_ACP), as the program reads texts that carry no
// byte-order mark.

#include "os/CodePage.h"

namespace vantrel::os {

class Win32AnsiCodePage final : public AnsiCodePage {
public:
    // MultiByteToWideChar(CP_ACP); Windows-1252 in the unlikely case that it refuses.
    std::wstring Decode(std::string_view bytes) const override;
};

// The process-wide instance the program uses.
const AnsiCodePage& SystemAnsiCodePage();

} // namespace vantrel::os
