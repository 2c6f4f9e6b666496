// ConfigDatabase: music visualizer presets, shared by all profiles (stored with profile 1).
#include <sqlite3.h>

#include "store/ConfigDatabase.h"
#include "store/ConfigQuery.h"
#include "store/ConfigSql.h"
#include "store/SQLiteAutoTransaction.h"
#include "store/Utf8.h"

namespace vekora {

using detail::ColumnWide;
using detail::PrepareWith;
using detail::RunChange;
using detail::RunInsert;

namespace {

constexpr int kSharedProfile = 1;

// A new preset: first device, visualization mode 9, amplitude 60, no background, full
// background brightness, not selected.
constexpr int kNewDeviceIndex = 0;
constexpr int kNewForeMode = 9;
constexpr int kNewForeAmplitude = 60;
constexpr int kNewBackMode = 0;
constexpr int kNewBackBrightness = 100;
constexpr int kNotSelected = 0;
constexpr int kSelected = 1;

}  // namespace

int ConfigDatabase::AddMusicLayer(std::wstring_view name) {
    std::lock_guard lock(mutex_);
    const std::string utf8 = WideToUtf8(name);
    return RunInsert(db_, sql::kInsertMusicLayer,
                     {kSharedProfile, utf8, kNewDeviceIndex, kNewForeMode, kNewForeAmplitude,
                      kNewBackMode, kNewBackBrightness, kNotSelected});
}

bool ConfigDatabase::DeleteMusicLayer(int layer_id) {
    std::lock_guard lock(mutex_);
    return RunChange(db_, sql::kDeleteMusicLayer, {layer_id});
}

bool ConfigDatabase::RenameMusicLayer(int layer_id, std::wstring_view name) {
    std::lock_guard lock(mutex_);
    const std::string utf8 = WideToUtf8(name);
    return RunChange(db_, sql::kRenameMusicLayer, {utf8, layer_id});
}

int ConfigDatabase::LoadMusicLayers(std::vector<MusicLayer>& list) {
    std::lock_guard lock(mutex_);
    list.clear();
    SQLiteStatement statement;
    if (PrepareWith(db_, statement, sql::kSelectMusicLayers, {kSharedProfile}) != 0)
        return 0;
    while (statement.Step() == SQLITE_ROW) {
        MusicLayer layer;
        layer.layer_id = statement.ColumnInt(0);
        layer.profile = statement.ColumnInt(1);
        layer.name = ColumnWide(statement, 2);
        list.push_back(std::move(layer));
    }
    return static_cast<int>(list.size());
}

bool ConfigDatabase::GetMusicLayer(int layer_id, MusicLayer& layer) {
    std::lock_guard lock(mutex_);
    SQLiteStatement statement;
    if (PrepareWith(db_, statement, sql::kSelectMusicLayer, {layer_id}) != 0)
        return false;
    if (statement.Step() != SQLITE_ROW)
        return false;
    layer = MusicLayer{statement.ColumnInt(0), statement.ColumnInt(1), ColumnWide(statement, 2),
                       statement.ColumnInt(3), statement.ColumnInt(4), statement.ColumnInt(5),
                       statement.ColumnInt(6), statement.ColumnInt(7)};
    return true;
}

bool ConfigDatabase::UpdateMusicLayer(int layer_id, const MusicLayer& l) {
    std::lock_guard lock(mutex_);
    return RunChange(
        db_, sql::kUpdateMusicLayer,
        {l.deviceindex, l.foremode, l.fore_amplitude, l.backmode, l.backb_right, layer_id});
}

bool ConfigDatabase::SelectMusicLayer(int layer_id) {
    std::lock_guard lock(mutex_);
    // Clearing the old mark and setting the new one happen together, so a failure never
    // leaves the presets without the selection they had.
    SQLiteAutoTransaction transaction(&db_);
    const bool cleared = RunChange(db_, sql::kClearMusicSelection, {kNotSelected, kSharedProfile});
    const bool ok =
        cleared && RunChange(db_, sql::kSelectMusicLayerRow, {kSelected, kSharedProfile, layer_id});
    if (ok && transaction.Commit())
        return true;
    transaction.Rollback();
    return false;
}

int ConfigDatabase::GetSelectedMusicLayer() {
    std::lock_guard lock(mutex_);
    SQLiteStatement statement;
    if (PrepareWith(db_, statement, sql::kSelectedMusicLayer, {kSharedProfile, kSelected}) != 0)
        return 0;
    return statement.Step() == SQLITE_ROW ? statement.ColumnInt(0) : 0;
}

}  // namespace vekora
