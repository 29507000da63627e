// Program entry: the DLL search restricted to the system folder, the start-up hooks, the date
// bookkeeping, the single-instance rule, then the three windows and the message loop. Arguments are
// ignored; the exit code is always 0.

#include "app/AboutForm.h"
#include "app/MainForm.h"
#include "app/SettingsForm.h"
#include "app/StartUp.h"
#include "app/win32/RunOnce.h"
#include "os/win32/SystemLibrary.h"
#include "os/win32/Win32Clock.h"
#include "os/win32/Win32DesktopFonts.h"
#include "os/win32/Win32Locale.h"
#include "os/win32/Win32Registry.h"
#include "os/win32/Win32Shell.h"
#include "platform/win32/StartUpHooks.h"
#include "toolkit/Guarded.h"
#include "toolkit/win32/Win32Application.h"

#include <windows.h>

using namespace vantrel;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Before anything loads a library: an elevated program takes its libraries from the
    // system folder only, never from its own or the current folder.
    os::RestrictDllSearchToSystemFolder();
    RunStartUpHooks();
    TForm::SetDesktopFontSource(&os::SystemDesktopFonts());

    Guarded([] {
        CustomRegistry registry(os::SystemRegistry());
        os::Win32Clock clock;
        os::Win32Locale locale;
        RecordStartDates(ProductSettings(registry), clock, locale.User());
    });

    if (IsAlreadyRunning(L"TTHMainForm", true)) return 0;

    Guarded([instance] {
        Win32Application driver(instance);
        TApplication application(&driver);
        TForm& main = application.CreateForm<TTHMainForm>();
        os::SystemShell().SetApplicationWindow(Win32Application::WindowOf(main));
        application.CreateForm<TTHAboutForm>();
        application.CreateForm<TTHSettingsForm>();
        application.Run();
        os::SystemShell().SetApplicationWindow(nullptr);
    });
    return 0;
}
