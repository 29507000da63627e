#pragma once
// The program's texts: single texts by window name and key (GetCaption), and all of a
// window's texts put on the window and its components (SetCaptions). Both read the language
// table afresh at every call, so a changed "Language" value applies from the next call on;
// the table is small. Neither ever fails visibly: whatever goes wrong ends the call, and
// what was done before stays done.

#include "optimizer/ProductSettings.h"
#include "os/CodePage.h"
#include "os/Resources.h"

#include <string>
#include <string_view>

namespace vantrel {

class TForm;

// Where the texts come from: the "Language" value of the product key names the table among
// the program's resources, and the code page reads a table that carries no byte-order mark.
struct CaptionSource {
    const ProductSettings& settings;
    const os::Resources& resources;
    const os::AnsiCodePage& ansi;
};

// The table every language falls back to, and the only one the program embeds.
inline constexpr std::wstring_view kFallbackLanguage = L"english";

// The decoded table that the "Language" value names (lower-cased, A to Z only), or the
// English table when the value is empty or names no embedded table. Empty when even that is
// missing.
std::wstring LoadLanguageTable(const CaptionSource& source);

// Sets text to the text of the last row for this window and key, both matched without
// regard to the case of A to Z. Leaves it as it was when no row matches.
void GetCaption(const CaptionSource& source, std::wstring_view windowName, std::wstring_view key,
                std::wstring& text);

// Applies the rows of the form's block: the row whose key is the form's own name, letter case
// included, gives the title; every other row gives its text to the form's component of that
// name (case of A to Z ignored) when the component is a label, panel, button, menu item,
// memo (all of its lines), edit box or tray icon (its tooltip), tested in that order. Rows
// for anything else change nothing. Later rows win.
void SetCaptions(const CaptionSource& source, TForm& form);

} // namespace vantrel
