#include "os/win32/Win32CodePage.h"

#include <windows.h>

#include <climits>

namespace vantrel::os {

std::wstring Win32AnsiCodePage::Decode(std::string_view bytes) const {
    if (bytes.empty()) return {};
    if (bytes.size() > INT_MAX) return Windows1252().Decode(bytes);
    const int size = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    if (needed <= 0) return Windows1252().Decode(bytes);
    std::wstring text(static_cast<std::size_t>(needed), L'\0');
    const int written = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), needed);
    if (written <= 0) return Windows1252().Decode(bytes);
    text.resize(static_cast<std::size_t>(written));
    return text;
}

const AnsiCodePage& SystemAnsiCodePage() {
    static const Win32AnsiCodePage codePage;
    return codePage;
}

} // namespace vantrel::os
