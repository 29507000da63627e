#pragma once
// Stand-ins for the desktop services' OS backends: each records what it was asked and can
// be told to refuse or to throw.

#include "os/DesktopFonts.h"
#include "os/Shell.h"
#include "os/Shutdown.h"
#include "os/Sound.h"
#include "os/VersionQuery.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantrel::testing {

// Answers the version queries from fixed records; a missing record refuses the query.
class FakeVersionQuery final : public os::VersionQuery {
public:
    std::optional<os::VersionRecord> extended;
    std::optional<os::VersionRecord> basic;
    bool throws = false;
    std::vector<std::string> calls;

    bool Extended(os::VersionRecord& record) override {
        return Answer("extended", extended, record);
    }
    bool Basic(os::VersionRecord& record) override { return Answer("basic", basic, record); }

private:
    bool Answer(const char* name, const std::optional<os::VersionRecord>& answer,
                os::VersionRecord& record) {
        calls.push_back(name);
        if (throws) throw std::runtime_error("version query");
        if (!answer) {
            // A refused query may still have scribbled over the record.
            record = {9, 9, 9};
            return false;
        }
        record = *answer;
        return true;
    }
};

// One call made to the restart backend, in a form that compares as a whole.
struct ShutdownCall {
    std::string op;
    std::uint64_t a = 0; // access, token, or flags
    std::uint64_t b = 0; // reason, or buffer length
    std::wstring name;   // the privilege looked up
    os::TokenPrivileges request{};
    bool operator==(const ShutdownCall&) const = default;
};

inline ShutdownCall MakeCall(std::string op, std::uint64_t a = 0, std::uint64_t b = 0,
                             std::wstring name = {}, os::TokenPrivileges request = {}) {
    return {std::move(op), a, b, std::move(name), request};
}

class RecordingShutdown final : public os::Shutdown {
public:
    static constexpr os::TokenHandle kToken = 0x4242;
    static constexpr os::Luid kLuid{19, 0};

    bool openFails = false;
    bool lookupFails = false;
    bool adjustFails = false;
    bool exitFails = false;
    std::string throwsAt; // the op that throws, if any
    std::vector<ShutdownCall> calls;

    bool OpenProcessToken(std::uint32_t access, os::TokenHandle& token) override {
        Record(MakeCall("open", access));
        if (openFails) return false;
        token = kToken;
        return true;
    }
    bool LookupPrivilege(std::wstring_view name, os::Luid& luid) override {
        Record(MakeCall("lookup", 0, 0, std::wstring(name)));
        if (lookupFails) return false;
        luid = kLuid;
        return true;
    }
    bool AdjustTokenPrivileges(os::TokenHandle token, bool disableAll,
                               const os::TokenPrivileges& request, std::uint32_t bufferLength,
                               os::TokenPrivileges&, std::uint32_t& returnLength) override {
        Record(MakeCall(disableAll ? "adjust-all" : "adjust", token, bufferLength, {}, request));
        returnedLengthWasZero = returnLength == 0;
        return !adjustFails;
    }
    void CloseToken(os::TokenHandle token) override { Record(MakeCall("close", token)); }
    bool ExitSession(std::uint32_t flags, std::uint32_t reason) override {
        Record(MakeCall("exit", flags, reason));
        return !exitFails;
    }
    bool returnedLengthWasZero = false;

private:
    void Record(ShutdownCall call) {
        calls.push_back(call);
        if (call.op == throwsAt) throw std::runtime_error(call.op);
    }
};

struct ShellCall {
    os::WindowHandle owner;
    std::wstring verb;
    std::wstring file;
    std::optional<std::wstring> parameters;
    int show;
    bool operator==(const ShellCall&) const = default;
};

inline os::WindowHandle FakeWindow(std::uintptr_t id) {
    return reinterpret_cast<os::WindowHandle>(id);
}

class RecordingShell final : public os::Shell {
public:
    os::WindowHandle application = FakeWindow(0x100);
    os::WindowHandle desktop = FakeWindow(0x10010);
    std::wstring programFile = L"C:\\Program Files\\Kestamir\\Vantrel\\Vantrel.exe";
    bool throws = false;
    std::vector<ShellCall> calls;

    os::WindowHandle ApplicationWindow() override { return application; }
    os::WindowHandle DesktopWindow() override { return desktop; }
    std::wstring ProgramFile() override { return programFile; }
    void Execute(os::WindowHandle owner, std::wstring_view verb, std::wstring_view file,
                 const std::optional<std::wstring>& parameters, int show) override {
        if (throws) throw std::runtime_error("shell");
        calls.push_back({owner, std::wstring(verb), std::wstring(file), parameters, show});
    }
};

struct HelpCall {
    os::WindowHandle caller;
    std::wstring file;
    std::uint32_t command;
    std::uintptr_t data;
    bool operator==(const HelpCall&) const = default;
};

// A help library that is missing until `available` is set.
class FakeHtmlHelp final : public os::HtmlHelp {
public:
    bool available = true;
    int loads = 0;
    std::vector<HelpCall> calls;

    bool Load() override {
        ++loads;
        return available;
    }
    void Call(os::WindowHandle caller, std::wstring_view file, std::uint32_t command,
              std::uintptr_t data) override {
        calls.push_back({caller, std::wstring(file), command, data});
    }
};

struct SoundCall {
    std::wstring name;
    std::uint32_t flags;
    bool operator==(const SoundCall&) const = default;
};

class RecordingSound final : public os::Sound {
public:
    bool throws = false;
    std::vector<SoundCall> calls;
    bool Play(std::wstring_view name, std::uint32_t flags) override {
        calls.push_back({std::wstring(name), flags});
        if (throws) throw std::runtime_error("sound");
        return true;
    }
};

// The desktop's fonts, settable; an empty icon-title font stands for a failed report.
class FakeDesktopFonts final : public os::DesktopFonts {
public:
    std::optional<os::FontFace> iconTitle = os::FontFace{L"Segoe UI", 9};
    os::FontFace system{L"System", 10, true};
    std::optional<os::FontFace> IconTitleFont() override { return iconTitle; }
    os::FontFace SystemFont() override { return system; }
};

} // namespace vantrel::testing
