#include "toolkit/win32/Cursors.h"

#include <map>

namespace vantrel {
namespace {

std::map<Cursor, HCURSOR>& Table() {
    static std::map<Cursor, HCURSOR> table{
        {Cursor::HourGlass, LoadCursorW(nullptr, IDC_WAIT)},
    };
    return table;
}

} // namespace

void SetScreenCursor(Cursor cursor, HCURSOR handle) {
    if (handle) Table()[cursor] = handle;
    else Table().erase(cursor);
}

HCURSOR ScreenCursor(Cursor cursor) {
    auto found = Table().find(cursor);
    return found != Table().end() ? found->second : LoadCursorW(nullptr, IDC_ARROW);
}

} // namespace vantrel
