// The cost of the program's texts on the shipped table: one lookup, and the captions of a
// window the size of the main window. Both read and split the whole table at every call.

#include "i18n/Captions.h"
#include "tests/support/Files.h"
#include "tests/support/MemoryRegistry.h"
#include "tests/support/MemoryResources.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"
#include "toolkit/StdCtrls.h"

#include <benchmark/benchmark.h>

namespace vantrel {
namespace {

// The in-memory registry logs every call; the loops clear the log so that it does not grow.
struct Fixture {
    Fixture() {
        resources.Put(os::ResourceType::RcData, L"ENGLISH",
                      testing::ReadFileBytes(VANTREL_SOURCE_DIR "/resources/ENGLISH.txt"));
        memory.PutString(os::RegistryRoot::LocalMachine, L"Software\\Kestamir\\Vantrel",
                         L"Language", L"english");
    }
    testing::MemoryRegistry memory;
    CustomRegistry registry{memory};
    ProductSettings settings{registry};
    testing::MemoryResources resources;
    CaptionSource source{settings, resources, os::Windows1252()};
};

// The main window's components by kind: panels, pictures and their captions, link labels,
// the texts of the settings area, the buttons, the lists and the pop-up menu.
class MainSizedForm : public TForm {
public:
    MainSizedForm() : TForm(nullptr, L"THMainForm", L"TTHMainForm") {
        auto& nav = Create<TPanel>(L"NavPanel");
        auto& body = Create<TPanel>(L"BodyPanel");
        for (auto* panel : {&nav, &body})
            panel->SetParent(this);
        for (int i = 1; i <= 4; ++i) {
            const std::wstring n = std::to_wstring(i);
            Create<TImage>(L"NavButton" + n).SetParent(&nav);
            Create<TLabel>(L"NavStatic" + n).SetParent(&nav);
            Create<TImage>(L"LinkImage" + std::to_wstring(i + 3)).SetParent(&nav);
            Create<TLabel>(L"LinkLabel" + std::to_wstring(i + 3)).SetParent(&nav);
        }
        for (const wchar_t* name :
             {L"NavLabel2", L"BenefitsLabel", L"BenefitsDescription", L"OSVersionLabel",
              L"OSVersion", L"ModemTypeLabel", L"SpeedLabel", L"FastLabel", L"FasterLabel",
              L"VersionInstalledLabel", L"SoftwareLastUpdateLabel"})
            Create<TLabel>(name).SetParent(&body);
        for (const wchar_t* name : {L"GoButton", L"RestoreButton", L"UpdatesButton"})
            Create<TButton>(name).SetParent(&body);
        for (const wchar_t* name : {L"Banner", L"ModemCombo", L"SpeedTrackBar", L"OSImage"})
            Create<TImage>(name).SetParent(&body);
        for (const wchar_t* name : {L"TopBevel", L"MiddleBevel", L"BottomBevel"})
            Create<TBevel>(name).SetParent(&body);
        auto& popup = Create<TPopupMenu>(L"NavPopupMenu");
        for (const wchar_t* name : {L"HelpFilePopup", L"TechSupportPopup"})
            popup.Add(Create<TMenuItem>(name));
    }
};

void GetCaptionOnShippedTable(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state) {
        std::wstring text;
        GetCaption(fixture.source, L"THSettingsForm", L"MessageChange5", text);
        benchmark::DoNotOptimize(text);
        fixture.memory.ClearCalls();
    }
}
BENCHMARK(GetCaptionOnShippedTable)->Unit(benchmark::kMicrosecond);

void SetCaptionsOnMainSizedForm(benchmark::State& state) {
    Fixture fixture;
    MainSizedForm form;
    state.counters["components"] = double(form.Components().size());
    for (auto _ : state) {
        SetCaptions(fixture.source, form);
        benchmark::ClobberMemory();
        fixture.memory.ClearCalls();
    }
}
BENCHMARK(SetCaptionsOnMainSizedForm)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vantrel

BENCHMARK_MAIN();
