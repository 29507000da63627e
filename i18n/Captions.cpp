#include "i18n/Captions.h"

#include "i18n/LanguageTable.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/Guarded.h"
#include "toolkit/Menus.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/Text.h"

namespace vantrel {
namespace {

template <class Kind> bool Is(TComponent& component) {
    return dynamic_cast<Kind*>(&component) != nullptr;
}

void SetControlCaption(TComponent& c, const std::wstring& text) {
    static_cast<TControl&>(c).SetCaption(text);
}
void SetMenuCaption(TComponent& c, const std::wstring& text) {
    static_cast<TMenuItem&>(c).SetCaption(text);
}
void SetMemoLines(TComponent& c, const std::wstring& text) {
    static_cast<TMemo&>(c).SetText(text);
}
void SetEditText(TComponent& c, const std::wstring& text) {
    static_cast<TEdit&>(c).SetText(text);
}
// The notification area itself cuts the tooltip to its first 127 characters.
void SetTrayTip(TComponent& c, const std::wstring& text) {
    static_cast<TTrayIcon&>(c).SetHint(text);
}

// The kinds of component that take a text, in the order they are tested; the first that
// fits decides.
struct CaptionedKind {
    bool (*fits)(TComponent&);
    void (*apply)(TComponent&, const std::wstring&);
};

constexpr CaptionedKind kCaptionedKinds[] = {
    {Is<TLabel>, SetControlCaption},  {Is<TPanel>, SetControlCaption},
    {Is<TButton>, SetControlCaption}, {Is<TMenuItem>, SetMenuCaption},
    {Is<TMemo>, SetMemoLines},        {Is<TEdit>, SetEditText},
    {Is<TTrayIcon>, SetTrayTip},
};

const CaptionedKind* KindOf(TComponent& component) {
    for (const CaptionedKind& kind : kCaptionedKinds)
        if (kind.fits(component)) return &kind;
    return nullptr;
}

std::wstring ChosenLanguage(const ProductSettings& settings) {
    std::wstring language = LowerAscii(settings.ReadText(product::Language));
    return language.empty() ? std::wstring(kFallbackLanguage) : language;
}

// Applies one row of the form's block. Rows that lack the field they need are passed over.
void ApplyRow(TForm& form, const std::vector<std::wstring>& fields) {
    if (fields.size() < 2) return;
    const std::wstring& key = fields[1];
    if (key == form.Name()) {
        if (fields.size() >= 3) form.SetCaption(fields[2]);
        return;
    }
    TComponent* component = form.FindComponent(key);
    const CaptionedKind* kind = component ? KindOf(*component) : nullptr;
    if (kind && fields.size() >= 3) kind->apply(*component, fields[2]);
}

} // namespace

std::wstring LoadLanguageTable(const CaptionSource& source) {
    auto bytes = source.resources.Find(os::ResourceType::RcData, ChosenLanguage(source.settings));
    // A language the program does not embed reads the English table rather than no texts.
    if (!bytes) bytes = source.resources.Find(os::ResourceType::RcData, kFallbackLanguage);
    return bytes ? DecodeTable(*bytes, source.ansi) : std::wstring();
}

void GetCaption(const CaptionSource& source, std::wstring_view windowName, std::wstring_view key,
                std::wstring& text) {
    Guarded([&] { LookUpText(LoadLanguageTable(source), windowName, key, text); });
}

void SetCaptions(const CaptionSource& source, TForm& form) {
    Guarded([&] {
        const std::wstring table = LoadLanguageTable(source);
        ForEachRow(table, [&form](const std::vector<std::wstring>& fields) {
            if (!fields.empty() && SameTextAscii(fields[0], form.Name())) ApplyRow(form, fields);
        });
    });
}

} // namespace vantrel
