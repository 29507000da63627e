// The registry helpers' contract over the in-memory registry.

#include "optimizer/CustomRegistry.h"
#include "tests/support/MemoryRegistry.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using os::RegType::Dword;
using testing::MemoryRegistry;
using testing::RegCall;
using testing::RegOp;

constexpr auto HKLM = RegistryRoot::LocalMachine;
constexpr auto HKCU = RegistryRoot::CurrentUser;
constexpr std::wstring_view kKey = L"\\Software\\Kestamir\\Vantrel\\";

class CustomRegistryTest : public ::testing::Test {
protected:
    MemoryRegistry memory;
    CustomRegistry registry{memory};
};

struct StoredCase {
    const char* what;
    std::uint32_t type;
    std::vector<std::uint8_t> bytes;
    std::wstring asString;      // ReadRegistryString with default L"dflt"
    std::int32_t asInteger;     // ReadRegistryInteger with default -7
    bool asBoolWithDefaultTrue; // ReadRegistryBool with default true
};

std::vector<std::uint8_t> Utf16(std::wstring_view text, bool nul = true) {
    return ToUtf16Le(text, nul);
}

TEST_F(CustomRegistryTest, ReadsEveryStoredFormSafely) {
    std::vector<std::uint8_t> big = Utf16(std::wstring(32 * 1024 - 1, L'x'));
    const StoredCase cases[] = {
        {"text", os::RegType::Sz, Utf16(L"hello"), L"hello", -7, true},
        {"empty text reads as missing", os::RegType::Sz, Utf16(L""), L"dflt", -7, true},
        {"no data at all", os::RegType::Sz, {}, L"dflt", -7, true},
        {"text without its NUL", os::RegType::Sz, Utf16(L"abc", false), L"abc", -7, true},
        {"odd byte count", os::RegType::Sz, {'a', 0, 'b', 0, 'c'}, L"ab", -7, true},
        {"text up to the first NUL", os::RegType::Sz, Utf16(std::wstring(L"ab\0cd", 5)), L"ab", -7,
         true},
        {"expandable text stays unexpanded", os::RegType::ExpandSz, Utf16(L"%WINDIR%\\x"),
         L"%WINDIR%\\x", -7, true},
        {"64 KiB text", os::RegType::Sz, big, std::wstring(32 * 1024 - 1, L'x'), -7, true},
        {"dword 5", Dword, {5, 0, 0, 0}, L"dflt", 5, true},
        {"dword 0 is false even with default true", Dword, {0, 0, 0, 0}, L"dflt", 0, false},
        {"negative dword", Dword, {0xFF, 0xFF, 0xFF, 0xFF}, L"dflt", -1, true},
        {"short dword", Dword, {7}, L"dflt", 7, true},
        {"dword longer than 4 bytes", Dword, {1, 0, 0, 0, 0}, L"dflt", -7, true},
        {"qword", os::RegType::Qword, {1, 0, 0, 0, 0, 0, 0, 0}, L"dflt", -7, true},
        {"binary", os::RegType::Binary, {1, 0, 0, 0}, L"dflt", -7, true},
        {"big-endian dword", os::RegType::DwordBigEndian, {0, 0, 0, 1}, L"dflt", -7, true},
        {"multi-string", os::RegType::MultiSz, Utf16(L"a"), L"dflt", -7, true},
        {"number stored as text", os::RegType::Sz, Utf16(L"12"), L"12", -7, true},
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.what);
        memory.Put(HKLM, kKey, L"Value", c.type, c.bytes);
        EXPECT_EQ(registry.ReadRegistryString(HKLM, kKey, L"Value", L"dflt"), c.asString);
        EXPECT_EQ(registry.ReadRegistryInteger(HKLM, kKey, L"Value", -7), c.asInteger);
        EXPECT_EQ(registry.ReadRegistryBool(HKLM, kKey, L"Value", true), c.asBoolWithDefaultTrue);
    }
}

TEST_F(CustomRegistryTest, ReadOfMissingKeyOrValueYieldsDefaultAndCreatesNothing) {
    EXPECT_EQ(registry.ReadRegistryString(HKLM, L"\\Software\\Nowhere\\", L"X", L"d"), L"d");
    EXPECT_EQ(registry.ReadRegistryInteger(HKLM, L"\\Software\\Nowhere\\", L"X", 3), 3);
    EXPECT_FALSE(registry.ReadRegistryBool(HKLM, L"\\Software\\Nowhere\\", L"X", false));
    EXPECT_FALSE(memory.KeyExists(HKLM, L"Software\\Nowhere"));
    memory.CreateKey(HKLM, L"Software\\Somewhere");
    EXPECT_EQ(registry.ReadRegistryInteger(HKLM, L"\\Software\\Somewhere", L"X", 9), 9);
    EXPECT_TRUE(memory.Values(HKLM, L"Software\\Somewhere").empty());
}

TEST_F(CustomRegistryTest, WritesStoreTheDocumentedFormsAndCreateEveryMissingKey) {
    EXPECT_TRUE(registry.WriteRegistryString(HKLM, L"\\A\\B\\C\\", L"Text", L"h\u00e9"));
    EXPECT_TRUE(registry.WriteRegistryInteger(HKLM, L"\\A\\B\\C\\", L"Number", -2));
    EXPECT_TRUE(registry.WriteRegistryBool(HKLM, L"\\A\\B\\C\\", L"Flag", true));
    EXPECT_TRUE(registry.WriteRegistryString(HKLM, L"\\A\\B\\C\\", L"Empty", L""));
    for (std::wstring_view key : {L"A", L"A\\B", L"A\\B\\C"})
        EXPECT_TRUE(memory.KeyExists(HKLM, key));

    EXPECT_EQ(memory.Get(HKLM, L"A\\B\\C", L"Text"),
              (os::RegistryData{os::RegType::Sz, {'h', 0, 0xE9, 0, 0, 0}}));
    EXPECT_EQ(memory.Get(HKLM, L"A\\B\\C", L"Number"),
              (os::RegistryData{Dword, {0xFE, 0xFF, 0xFF, 0xFF}}));
    EXPECT_EQ(memory.Get(HKLM, L"A\\B\\C", L"Flag"), (os::RegistryData{Dword, {1, 0, 0, 0}}));
    EXPECT_EQ(memory.Get(HKLM, L"A\\B\\C", L"Empty"), (os::RegistryData{os::RegType::Sz, {0, 0}}));
    EXPECT_EQ(registry.ReadRegistryString(HKLM, L"\\A\\B\\C\\", L"Empty", L"d"), L"d");

    // A write replaces a value of any type under that name.
    memory.Put(HKCU, L"K", L"V", os::RegType::Binary, {1, 2, 3});
    EXPECT_TRUE(registry.WriteRegistryInteger(HKCU, L"\\K", L"V", 4));
    EXPECT_EQ(memory.Get(HKCU, L"K", L"V"), (os::RegistryData{Dword, {4, 0, 0, 0}}));
}

TEST_F(CustomRegistryTest, DeleteRemovesOnlyTheValueAndCreatesNothing) {
    memory.PutDword(HKLM, L"P", L"Gone", 1);
    memory.PutDword(HKLM, L"P", L"Stays", 2);
    EXPECT_TRUE(registry.DeleteRegistryValue(HKLM, L"\\P", L"Gone"));
    EXPECT_FALSE(memory.Get(HKLM, L"P", L"Gone"));
    EXPECT_TRUE(memory.Get(HKLM, L"P", L"Stays"));
    EXPECT_TRUE(registry.DeleteRegistryValue(HKLM, L"\\P", L"Stays"));
    EXPECT_TRUE(memory.KeyExists(HKLM, L"P")) << "the key stays even when left empty";

    // Nothing there to delete: nothing is created, and the value is as absent as asked.
    EXPECT_TRUE(registry.DeleteRegistryValue(HKLM, L"\\P", L"Never"));
    EXPECT_TRUE(registry.DeleteRegistryValue(HKLM, L"\\Missing\\Key", L"Never"));
    EXPECT_FALSE(memory.KeyExists(HKLM, L"Missing"));
}

TEST_F(CustomRegistryTest, DeniedOperationsChangeNothingAndSaySo) {
    memory.PutDword(HKLM, L"Locked", L"V", 1);
    memory.failWhen = [](const RegCall& call) {
        return call.op == RegOp::Set || call.op == RegOp::Delete || call.op == RegOp::Create;
    };
    EXPECT_FALSE(registry.WriteRegistryInteger(HKLM, L"\\Locked", L"V", 2));
    EXPECT_FALSE(registry.WriteRegistryString(HKLM, L"\\New", L"V", L"x"));
    EXPECT_FALSE(registry.DeleteRegistryValue(HKLM, L"\\Locked", L"V"));
    EXPECT_EQ(memory.Get(HKLM, L"Locked", L"V"), (os::RegistryData{Dword, {1, 0, 0, 0}}));
    EXPECT_FALSE(memory.KeyExists(HKLM, L"New"));

    memory.failWhen = [](const RegCall& call) { return call.op == RegOp::Query; };
    EXPECT_EQ(registry.ReadRegistryInteger(HKLM, L"\\Locked", L"V", 42), 42);
}

TEST_F(CustomRegistryTest, UsesTheDocumentedAccessMasksAndDropsOneLeadingBackslash) {
    struct Case {
        std::uint32_t mask;
        RegOp op;
        std::function<void(bool use64)> call;
    };
    const Case cases[] = {
        {0x20019, RegOp::Open,
         [&](bool v) { registry.ReadRegistryString(HKLM, kKey, L"V", L"", v); }},
        {0x20019, RegOp::Open,
         [&](bool v) { registry.ReadRegistryInteger(HKLM, kKey, L"V", 0, v); }},
        {0x20019, RegOp::Open,
         [&](bool v) { registry.ReadRegistryBool(HKLM, kKey, L"V", false, v); }},
        {0x20006, RegOp::Create,
         [&](bool v) { registry.WriteRegistryString(HKLM, kKey, L"V", L"", v); }},
        {0x20006, RegOp::Create,
         [&](bool v) { registry.WriteRegistryInteger(HKLM, kKey, L"V", 0, v); }},
        {0x20006, RegOp::Create,
         [&](bool v) { registry.WriteRegistryBool(HKLM, kKey, L"V", false, v); }},
        {0xF003F, RegOp::Open, [&](bool v) { registry.DeleteRegistryValue(HKLM, kKey, L"V", v); }},
    };
    for (const Case& c : cases) {
        for (bool use64 : {false, true}) {
            memory.ClearCalls();
            c.call(use64);
            ASSERT_FALSE(memory.Calls().empty());
            const RegCall& first = memory.Calls().front();
            EXPECT_EQ(first.op, c.op);
            EXPECT_EQ(first.access, use64 ? c.mask | 0x100 : c.mask);
            EXPECT_EQ(first.path, L"Software\\Kestamir\\Vantrel\\");
        }
    }
}

} // namespace
} // namespace vantrel
