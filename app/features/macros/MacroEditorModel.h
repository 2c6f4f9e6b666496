// MacroEditorModel: what the macro editor window edits: the macro's id, name, the repeat
// times and repeat delay texts as typed, and the recorded steps; plus loading a stored macro
// and saving (insert or update, then re-numbering the steps in list order, then the macro
// upload).
#pragma once

#include <string>

#include "core/DeviceUploads.h"
#include "device/DeviceModel.h"
#include "features/macros/MacroRecorder.h"
#include "store/ConfigDatabase.h"

namespace vekora {

// The editor accepts names up to this many characters.
inline constexpr size_t kMaxMacroNameLength = 120;
inline constexpr int kMinPlayTimes = 1;
inline constexpr int kMaxPlayTimes = 255;
inline constexpr int kMaxRepeatDelayMs = 99999;  // five digits

enum class MacroSaveResult {
    Saved,      // stored (or attempted: storage failures are not reported) and uploaded
    NameEmpty,  // nothing done; the editor shows "Macro name cannot be empty, please enter!"
};

class MacroEditorModel {
public:
    MacroEditorModel(ConfigDatabase& db, DeviceUploads& uploads, DeviceModel model);

    // Fills the editor from a stored macro (id greater than 0): name, "%d" texts of the
    // repeat times and delay, and the steps in record_index order. False when not found.
    bool Load(int macroId);

    // Saves as described above. A new macro (id below 1) is inserted first and keeps the new
    // id; a failed insert leaves the id below 1, writes nothing else, and still uploads.
    MacroSaveResult Save();

    int macroId() const { return macroId_; }
    const std::wstring& name() const { return name_; }
    void setName(std::wstring name) { name_ = std::move(name); }
    const std::wstring& timesText() const { return timesText_; }
    void setTimesText(std::wstring text) { timesText_ = std::move(text); }
    const std::wstring& delayText() const { return delayText_; }
    void setDelayText(std::wstring text) { delayText_ = std::move(text); }

    MacroRecorder& recorder() { return recorder_; }
    const MacroRecorder& recorder() const { return recorder_; }

    // Set after a save, so that the owner refreshes its macro list and key labels when the
    // editor closes.
    bool saved() const { return saved_; }

private:
    ConfigDatabase& db_;
    DeviceUploads& uploads_;
    DeviceModel model_;
    int macroId_ = 0;
    std::wstring name_;
    std::wstring timesText_ = L"1";
    std::wstring delayText_ = L"0";
    MacroRecorder recorder_;
    bool saved_ = false;
};

// The repeat times of a typed text: empty counts as 1; clamped to 1..255.
int ParsePlayTimes(const std::wstring& text);
// The repeat delay of a typed text: empty counts as 1; clamped to 0..99999.
int ParseRepeatDelay(const std::wstring& text);

}  // namespace vekora
