// DeviceManager: the one process-wide object that knows which supported keyboards are plugged
// in. It keeps the list of HID interfaces the scan may admit, records one KeyboardDevice per
// keyboard found, and runs the report exchanges with them.
//
// Two plain flags guard the exchanges (everything runs on the user-interface thread):
// `ready` - a scan has completed (set by the scan handler, cleared by CloseAll); every exchange
//           refuses to run without it;
// `busy`  - an exchange or a scan is under way. QueryReport, QueryReportSeries and
//           ExchangeReport refuse to start while it is set; the other exchanges set it without
//           looking. Every exchange clears it again on every way out.
//
// Exchanges address a keyboard by its device index (position in the device list). An index
// below 0, beyond the list, or of a keyboard without an open interface makes an exchange do
// nothing and return false (`busy` untouched). Pauses go through the injected Clock; the
// operations marked "precise" ask the clock for 1 ms pause precision while they run.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "device/Clock.h"
#include "device/DeviceRecords.h"
#include "device/manager/KeyboardDevice.h"
#include "device/manager/ReportBuffers.h"

namespace vekora {

class DeviceManager {
public:
    explicit DeviceManager(Clock& clock = SystemClock::Instance());
    ~DeviceManager();
    DeviceManager(const DeviceManager&) = delete;
    DeviceManager& operator=(const DeviceManager&) = delete;

    // The process-wide manager: the first one constructed and still alive (null before).
    static DeviceManager* Instance();

    // ---- Devices -------------------------------------------------------------------------

    // Appends an interface the scan may admit.
    void AddSupported(std::uint16_t vendorId, std::uint16_t productId, std::wstring productName,
                      std::wstring interfaceTag);
    const std::vector<SupportedDevice>& Supported() const { return supported_; }

    // Records the supported keyboards present now, appending to the device list:
    // - vendor 0x258A: each vendor collection (usage page 0xFF00, usage 1) is opened read-write;
    //   one with 520-byte feature reports becomes a KeyboardDevice, one with 4-byte input
    //   reports the secondary interface, any other is closed again;
    // - other supported vendors: the first interface whose name holds the supported entry's
    //   interface tag is opened identify-only and recorded, and the scan ends there.
    // The previous secondary interface is closed first. Callers normally run CloseAll before.
    void Scan();

    // Only when `ready` is set: clears it, closes every keyboard's interface, forgets every
    // KeyboardDevice and closes the secondary interface.
    void CloseAll();

    // Index of the first recorded keyboard with these ids whose product string equals `product`
    // exactly (case-sensitive); -1 when there is none.
    int FindDevice(std::uint16_t vendorId, std::uint16_t productId,
                   const std::wstring& product) const;

    // The interface of the keyboard at `index`, or null (bad index, no interface).
    HidHandle* Transport(int index) const;

    // The input interface (input report length 4) of a supported keyboard, or null.
    HidHandle* Secondary() const { return secondary_.get(); }

    const std::vector<std::unique_ptr<KeyboardDevice>>& Devices() const { return devices_; }

    bool Ready() const { return ready_; }
    bool Busy() const { return busy_; }
    void SetReady(bool ready) { ready_ = ready; }
    void SetBusy(bool busy) { busy_ = busy; }

    Clock& GetClock() const { return clock_; }

    // ---- Exchanges ---------------------------------------------------------------------
    // Short payloads are 64 bytes; the report id 0 in front is added here.

    // Precise. Sleep 8, then
    // - length <= 65: one short report of data[0..63] (zero-padded when data is shorter). With
    //   `confirm`: Sleep 2 and fetch the answer; status 0xFF (payload byte 3) sends the report
    //   once more (then Sleep 2 and fetch again). True only when the final answer has status 1,
    //   so always false without `confirm`.
    // - length > 65: (length / 64) - 1 short reports of the next 64 bytes each, each followed by
    //   Sleep 8, stopping at the first failure. True unless a send failed. Refused (false,
    //   nothing sent) when `data` holds fewer bytes than those reports carry.
    bool SendReport(std::span<const std::uint8_t> data, int length, int deviceIndex, bool confirm);

    // Precise. Sleep 6, then the 512 bytes as eight short reports, each followed by Sleep 2.
    // False when a send fails or more than 100 ms have passed since the start.
    bool SendFrame(const FramePayload& frame, int deviceIndex);

    // Precise; refused while busy. Sleep 2, Sleep 2, the report, Sleep 2, fetch the answer and
    // copy its payload over `payload`. True when the send worked, the answer held 64 bytes and
    // is not an error answer (0x04, 0xF5).
    bool QueryReport(ShortPayload& payload, int deviceIndex);

    // Precise; refused while busy. The first 64 bytes are the request. Sleep 2, then nine
    // rounds of: Sleep 2, the request (payload byte 2 = 1 in the first round, 0 later), Sleep 2,
    // fetch the answer into bytes 64 * round. Stops at a failed send, a short answer or an
    // error answer; true only when all nine rounds worked.
    bool QueryReportSeries(SeriesBuffer& buffer, int deviceIndex);

    // Refused while busy. Sleep 2, the report, and when it went out: Sleep 10 and fetch the
    // answer over `payload`. True when both worked; `payload` is unchanged otherwise.
    bool ExchangeReport(ShortPayload& payload, int deviceIndex);

    // Precise. Sleep 8, the long report. True when it was sent.
    bool WriteLongReport(const LongReport& report, int deviceIndex);

    // Precise. Sleep 8, Sleep 2, the long report; when it went out: Sleep 2 and fetch the long
    // answer (report id first) over `report`. True when the send worked; a failed fetch leaves
    // `report` as the request.
    bool ExchangeLongReport(LongReport& report, int deviceIndex);

    // One input report from the secondary interface, 1 ms wait, copied over the front of
    // `report` (a leading report id 0 dropped). True when a report arrived.
    bool ReadInputReport(InputReport& report);

private:
    friend class DeviceManagerTestApi;

    class BusyScope {
    public:
        explicit BusyScope(DeviceManager& m) : m_(m) { m_.busy_ = true; }
        ~BusyScope() { m_.busy_ = false; }

    private:
        DeviceManager& m_;
    };

    Clock& clock_;
    bool ready_ = false;
    bool busy_ = false;
    std::vector<std::unique_ptr<KeyboardDevice>> devices_;
    std::vector<SupportedDevice> supported_;
    std::unique_ptr<HidHandle> secondary_;
};

}  // namespace vekora
