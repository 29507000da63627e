#include "optimizer/TuningProfile.h"

#include "toolkit/Guarded.h"

#include <algorithm>
#include <functional>

namespace vantrel {
namespace {

using os::RegistryData;
using os::RegStatus;

// A record is a REG_BINARY: one byte telling whether the row existed, and when it did, its
// value type (4 bytes, little-endian) followed by its data exactly as they were. One value
// per row, so a record is either wholly there or not at all.
constexpr std::uint8_t kWasAbsent = 0;
constexpr std::uint8_t kExisted = 1;

struct PriorState {
    bool existed = false;
    RegistryData value;
};

RegistryData EncodeRecord(const PriorState& prior) {
    RegistryData record{os::RegType::Binary, {prior.existed ? kExisted : kWasAbsent}};
    if (!prior.existed) return record;
    for (int shift = 0; shift < 32; shift += 8)
        record.bytes.push_back(std::uint8_t(prior.value.type >> shift));
    record.bytes.insert(record.bytes.end(), prior.value.bytes.begin(), prior.value.bytes.end());
    return record;
}

bool DecodeRecord(const RegistryData& record, PriorState& out) {
    const auto& bytes = record.bytes;
    if (record.type != os::RegType::Binary || bytes.empty()) return false;
    if (bytes[0] == kWasAbsent && bytes.size() == 1) {
        out = {};
        return true;
    }
    if (bytes[0] != kExisted || bytes.size() < 5) return false;
    out.existed = true;
    out.value.type = 0;
    for (int i = 0; i < 4; ++i)
        out.value.type |= std::uint32_t(bytes[1 + i]) << (8 * i);
    out.value.bytes.assign(bytes.begin() + 5, bytes.end());
    return true;
}

// The integer a backup holds for a prior state: a REG_DWORD of at most 4 bytes, else the
// backup's default, as a read of the system value with that default would have given.
std::int32_t BackupNumber(const PriorState& prior, std::int32_t defaultValue) {
    const RegistryData& value = prior.value;
    if (!prior.existed || value.type != os::RegType::Dword || value.bytes.size() > 4)
        return defaultValue;
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < value.bytes.size(); ++i)
        bits |= std::uint32_t(value.bytes[i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

// One profile row as a change: it applies itself, records the state it replaces and undoes
// itself from that record.
class RowChange {
public:
    RowChange(const CustomRegistry& registry, const ProfileRow& row)
        : registry_(registry), row_(row), recordName_(row.RecordName()) {}

    // Ok with the record, NotFound when there is none; Failed also when it cannot be decoded,
    // since then nobody can tell what the row held.
    RegStatus ReadRecord(PriorState& out) const {
        RegistryData record;
        RegStatus status =
            registry_.ReadRegistryData(kProductRoot, kBackupKeyPath, recordName_, record);
        if (status == RegStatus::Ok && !DecodeRecord(record, out)) return RegStatus::Failed;
        return status;
    }

    // The row's record, written now from the row's current state when there is none yet
    // (`existing`, from ReadRecord). False when neither an existing nor a new record can be
    // had: the row must not be touched then.
    bool EnsureRecorded(RegStatus existing, PriorState& out) const {
        if (existing != RegStatus::NotFound) return existing == RegStatus::Ok;
        RegistryData current;
        RegStatus now =
            registry_.ReadRegistryData(row_.root, row_.keyPath, row_.valueName, current);
        if (now == RegStatus::Failed) return false;
        out = {now == RegStatus::Ok, std::move(current)};
        return registry_.WriteRegistryData(kProductRoot, kBackupKeyPath, recordName_,
                                           EncodeRecord(out));
    }

    bool Apply(int speedSetting) const {
        return registry_.WriteRegistryInteger(row_.root, row_.keyPath, row_.valueName,
                                              row_.DataFor(speedSetting));
    }

    bool Undo(const PriorState& prior) const {
        if (!prior.existed)
            return registry_.DeleteRegistryValue(row_.root, row_.keyPath, row_.valueName);
        return registry_.WriteRegistryData(row_.root, row_.keyPath, row_.valueName, prior.value);
    }

    bool Delete() const {
        return registry_.DeleteRegistryValue(row_.root, row_.keyPath, row_.valueName);
    }

    bool DropRecord() const {
        return registry_.DeleteRegistryValue(kProductRoot, kBackupKeyPath, recordName_);
    }

private:
    const CustomRegistry& registry_;
    const ProfileRow& row_;
    std::wstring recordName_;
};

// Every row's record as read at the start of a routine.
struct Records {
    std::array<RegStatus, kTuningProfile.size()> status{};
    std::array<PriorState, kTuningProfile.size()> prior{};
};

Records ReadRecords(const CustomRegistry& registry) {
    Records records;
    for (std::size_t i = 0; i < kTuningProfile.size(); ++i)
        records.status[i] = RowChange(registry, kTuningProfile[i]).ReadRecord(records.prior[i]);
    return records;
}

// What the product key keeps of the state before the first Optimize.
enum class Kept {
    Nothing,      // no Optimize changed anything, or its Restore has finished
    Records,      // this version's records, one per row it has written
    OlderBackups, // only the four backups of an older version
    Unknown,      // a read failed where the answer decides what to do
};

Kept WhatIsKept(const ProductSettings& settings, const Records& records) {
    auto has = [&](RegStatus wanted) {
        return std::find(records.status.begin(), records.status.end(), wanted) !=
               records.status.end();
    };
    if (has(RegStatus::Ok)) return Kept::Records;
    if (has(RegStatus::Failed)) return Kept::Unknown;
    bool backups = false;
    for (const ProfileRow& row : kTuningProfile) {
        if (!row.backup) continue;
        RegistryData ignored;
        RegStatus status = settings.Registry().ReadRegistryData(kProductRoot, kProductKeyPath,
                                                                row.backup->name, ignored);
        if (status == RegStatus::Failed) return Kept::Unknown;
        backups |= status == RegStatus::Ok;
    }
    return backups ? Kept::OlderBackups : Kept::Nothing;
}

// Puts rows back in the order that readers of the four backups have always seen: rows 1 and
// 2, their backups deleted, rows 3 and 4, their backups deleted, then the rest. A backup
// goes only when its row went back, so a failure never loses the only copy of what it held.
bool PutBackInOrder(const ProductSettings& settings,
                    const std::function<bool(std::size_t row)>& putBack) {
    bool ok = true;
    std::array<bool, kTuningProfile.size()> back{};
    auto putBackRows = [&](std::size_t first, std::size_t count) {
        for (std::size_t i = first; i < first + count; ++i) {
            back[i] = putBack(i);
            ok = back[i] && ok;
        }
    };
    auto deleteBackups = [&](std::size_t first, std::size_t count) {
        for (std::size_t i = first; i < first + count; ++i)
            if (back[i] && kTuningProfile[i].backup)
                ok = settings.Delete(*kTuningProfile[i].backup) && ok;
    };
    putBackRows(0, 2);
    deleteBackups(0, 2);
    putBackRows(2, 2);
    deleteBackups(2, 2);
    putBackRows(4, kTuningProfile.size() - 4);
    return ok;
}

bool PutBackRecorded(const ProductSettings& settings, const Records& records) {
    bool ok = PutBackInOrder(settings, [&](std::size_t i) {
        // A row without a record was never written by us: it is left alone.
        if (records.status[i] == RegStatus::NotFound) return true;
        return records.status[i] == RegStatus::Ok &&
               RowChange(settings.Registry(), kTuningProfile[i]).Undo(records.prior[i]);
    });
    // The records go only once every row is back, so that a Restore cut short or failed
    // here can be run again; the backups went first, so that what remains is never taken
    // for an older version's backups.
    if (!ok) return false;
    for (const ProfileRow& row : kTuningProfile)
        ok = RowChange(settings.Registry(), row).DropRecord() && ok;
    return ok;
}

// An older version's way: each backup back to its row, the rest of the profile deleted
// unless the internet type is one that never received it. A backup already gone was put
// back by a run that was cut short, so its row is left as it is.
bool PutBackOlderBackups(const ProductSettings& settings, int internetType) {
    return PutBackInOrder(settings, [&](std::size_t i) {
        const ProfileRow& row = kTuningProfile[i];
        RowChange change(settings.Registry(), row);
        if (!row.backup) return !row.IsWrittenFor(internetType) || change.Delete();
        RegistryData stored;
        RegStatus status = settings.Registry().ReadRegistryData(kProductRoot, kProductKeyPath,
                                                                row.backup->name, stored);
        if (status == RegStatus::NotFound) return true;
        if (status == RegStatus::Failed) return false;
        std::int32_t number = BackupNumber({true, stored}, row.backup->numberDefault);
        return settings.Registry().WriteRegistryInteger(row.root, row.keyPath, row.valueName,
                                                        number);
    });
}

} // namespace

std::wstring ProfileRow::RecordName() const {
    std::wstring name =
        root == RegistryRoot::CurrentUser ? L"HKEY_CURRENT_USER" : L"HKEY_LOCAL_MACHINE";
    name.append(keyPath).append(L"\\").append(valueName);
    return name;
}

bool BackUpSystemValues(const ProductSettings& settings) {
    return GuardedOr(false, [&] {
        bool ok = true;
        for (const ProfileRow& row : kTuningProfile) {
            if (!row.backup) continue;
            // The record first: a backup without records is what an older version leaves.
            RowChange change(settings.Registry(), row);
            PriorState prior;
            if (!change.EnsureRecorded(change.ReadRecord(prior), prior)) {
                ok = false;
                continue;
            }
            ok = settings.WriteInteger(*row.backup,
                                       BackupNumber(prior, row.backup->numberDefault)) &&
                 ok;
        }
        return ok;
    });
}

bool WriteTuningProfile(const ProductSettings& settings, int internetType, int speedSetting) {
    return GuardedOr(false, [&] {
        Records records = ReadRecords(settings.Registry());
        Kept kept = WhatIsKept(settings, records);
        if (kept == Kept::Unknown) return false;
        // While an older version's backups are in force they hold the state to go back to;
        // recording the profile it wrote would put that back instead.
        bool record = kept != Kept::OlderBackups;
        bool ok = true;
        for (std::size_t i = 0; i < kTuningProfile.size(); ++i) {
            const ProfileRow& row = kTuningProfile[i];
            if (!row.IsWrittenFor(internetType)) continue;
            RowChange change(settings.Registry(), row);
            if (record && !change.EnsureRecorded(records.status[i], records.prior[i])) {
                ok = false;
                continue;
            }
            ok = change.Apply(speedSetting) && ok;
        }
        return ok;
    });
}

bool PutBackSystemValues(const ProductSettings& settings, int internetType) {
    return GuardedOr(false, [&] {
        Records records = ReadRecords(settings.Registry());
        switch (WhatIsKept(settings, records)) {
        case Kept::Nothing:
            return true;
        case Kept::Records:
            return PutBackRecorded(settings, records);
        case Kept::OlderBackups:
            return PutBackOlderBackups(settings, internetType);
        case Kept::Unknown:
            break;
        }
        return false;
    });
}

bool HasBackupRecords(const ProductSettings& settings) {
    return GuardedOr(true, [&] {
        for (const ProfileRow& row : kTuningProfile) {
            PriorState ignored;
            if (RowChange(settings.Registry(), row).ReadRecord(ignored) != RegStatus::NotFound)
                return true;
        }
        return false;
    });
}

} // namespace vantrel
