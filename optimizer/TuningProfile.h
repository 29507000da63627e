#pragma once
// The tuning profile: the system values an Optimize writes, and the three routines that back
// them up, write them and put them back. Every access goes through CustomRegistry in the
// registry view of a 32-bit process.
//
// Contract of the three routines:
// - Optimize calls BackUpSystemValues only when the product key's "Restore" read false, and
//   then WriteTuningProfile with the internet type and speed setting. Restore deletes
//   "Restore" first and later calls PutBackSystemValues with the internet type selected now.
// - Nothing the user had is lost. Before a profile row is first overwritten, its prior state
//   (absent, or its value type and raw bytes) is recorded under kBackupKeyPath, one record
//   per row. A record is written before its row and never overwritten while it exists, so
//   later Optimize runs keep the state from before the first one. A row whose prior state
//   cannot be read or recorded is not written.
// - PutBackSystemValues puts every recorded row back exactly (or deletes it when it was
//   absent) whatever the internet type, leaves rows without a record alone, deletes the four
//   backups, and removes the records only once every recorded row is back. Run again after
//   being cut short at any point, it completes the job.
// - The four backups of rows 1 to 4 in the product key are still written (from the records)
//   and deleted, for whatever reads them. A product key holding those backups but no record
//   was written by an older version and is put back as that version did: backups (or their
//   defaults) to rows 1 to 4, rows 5 to 14 deleted unless the internet type is 2 or 7. With
//   neither records nor backups, nothing was changed, and nothing is put back.
// - Each routine returns true when everything it had to read, write or delete took effect;
//   false means a warning is due. It never throws, and after a failure it goes on with the
//   next value as far as that stays safe.

#include "optimizer/ProductSettings.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vantrel {

// Where a row's prior state is recorded: a sub-key of the product key, one value per row.
inline constexpr std::wstring_view kBackupKeyPath = L"\\Software\\Kestamir\\Vantrel\\Backup\\";

// Which internet types receive a row: every type, or all but "Dial-up 56k" (2) and "ISDN" (7).
enum class WrittenFor { EveryType, NotDialUpOrIsdn };

struct ProfileRow {
    RegistryRoot root;
    std::wstring_view keyPath;
    std::wstring_view valueName;
    std::int32_t boostData;        // speed setting 0, "Boost"
    std::int32_t maximumBoostData; // any speed setting above 0, "Maximum Boost"
    WrittenFor writtenFor;
    // The product-key backup an older version relied on, or null for rows without one.
    const ProductValue* backup = nullptr;

    std::int32_t DataFor(int speedSetting) const {
        return speedSetting > 0 ? maximumBoostData : boostData;
    }
    bool IsWrittenFor(int internetType) const {
        return writtenFor == WrittenFor::EveryType || (internetType != 2 && internetType != 7);
    }
    // The name of this row's record under kBackupKeyPath: its full location.
    std::wstring RecordName() const;
};

namespace profile {
inline constexpr auto HKCU = RegistryRoot::CurrentUser;
inline constexpr auto HKLM = RegistryRoot::LocalMachine;
inline constexpr std::wstring_view kInternetSettings =
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
inline constexpr std::wstring_view kTcpip =
    L"\\System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
inline constexpr std::wstring_view kPsched = L"\\Software\\Policies\\Microsoft\\Windows\\Psched";
inline constexpr auto Every = WrittenFor::EveryType;
inline constexpr auto Broadband = WrittenFor::NotDialUpOrIsdn;
} // namespace profile

// The profile in write order.
inline constexpr std::array<ProfileRow, 14> kTuningProfile{{
    {profile::HKCU, profile::kInternetSettings, L"MaxConnectionsPerServer", 4, 8, profile::Every,
     &product::MaxConnectionsPerServer},
    {profile::HKCU, profile::kInternetSettings, L"MaxConnectionsPer1_0Server", 4, 8, profile::Every,
     &product::MaxConnectionsPer1_0Server},
    {profile::HKLM, profile::kTcpip, L"KeepAliveTime", 7200000, 7200000, profile::Every,
     &product::KeepAliveTime},
    {profile::HKLM, profile::kTcpip, L"KeepAliveInterval", 1000, 1000, profile::Every,
     &product::KeepAliveInterval},
    {profile::HKLM, profile::kTcpip, L"DefaultTTL", 64, 64, profile::Broadband},
    {profile::HKLM, profile::kTcpip, L"EnablePMTUBHDetect", 0, 0, profile::Broadband},
    {profile::HKLM, profile::kTcpip, L"EnablePMTUDiscovery", 1, 1, profile::Broadband},
    {profile::HKLM, profile::kTcpip, L"SackOpts", 1, 1, profile::Broadband},
    {profile::HKLM, profile::kTcpip, L"Tcp1323Opts", 3, 3, profile::Broadband},
    {profile::HKLM, profile::kTcpip, L"GlobalMaxTcpWindowSize", 256960, 256960, profile::Broadband},
    {profile::HKLM, profile::kTcpip, L"TcpWindowSize", 256960, 256960, profile::Broadband},
    {profile::HKLM, profile::kTcpip, L"TcpMaxDupAcks", 2, 2, profile::Broadband},
    {profile::HKLM, profile::kPsched, L"NonBestEffortLimit", 50, 50, profile::Broadband},
    {profile::HKLM, profile::kPsched, L"MaxOutstandingSends", 65535, 65535, profile::Broadband},
}};

// Records the prior state of rows 1 to 4 where no record exists yet, then writes the four
// backups "MaxConnectionsPerServer", "MaxConnectionsPer1_0Server", "KeepAliveTime" and
// "KeepAliveInterval" from those records (a value that was absent or not a REG_DWORD is
// backed up as the backup's default).
bool BackUpSystemValues(const ProductSettings& settings);

// Writes the rows for this internet type in order, rows 1 and 2 with 8 when the speed
// setting is above 0, else 4; each row's prior state is recorded first when it has no record.
bool WriteTuningProfile(const ProductSettings& settings, int internetType, int speedSetting);

// Puts back what the records hold, or an older version's backups; see the contract above.
bool PutBackSystemValues(const ProductSettings& settings, int internetType);

// True while records remain, also after a Restore that was cut short: the main window offers
// Restore then even though "Restore" is gone. A read that fails counts as a record.
bool HasBackupRecords(const ProductSettings& settings);

} // namespace vantrel
