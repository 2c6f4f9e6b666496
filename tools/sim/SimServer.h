// SimServer: serves the simulated keyboards on a Unix socket (protocol in
// app/device/hid/SimWire.h) and runs the control commands.
//
// Control commands (`ctl <command>` on the socket, or `vekora-kbd-sim --socket P --ctl ...`):
//   plug CODE                         plug the keyboard of model CODE          → ok <dev>
//   plug-product CODE VID PID NAME... plug a keyboard shaped like model CODE with other ids and
//                                     product string NAME (spaces allowed)     → ok <dev>
//   unplug DEV                        remove keyboard DEV
//   fault DEV none|ff-once|ff-always|error-once|error-always|refuse-once|refuse-always
//                                     short answers: status 0xFF ("not ready") or an error
//                                     answer (0x04, 0xF5), once or until cleared; RGB
//                                     keyboards: device-library requests refused (status 0x04)
//   unplug-after DEV N                the keyboard disappears once it has received N more
//                                     feature reports (N = 0: now)
//   input DEV HEX                     queue an input report (report id first) on the
//                                     notification collection
//   state DEV                         the own-report keyboard's settings as one JSON object
//                                     (profiles, key maps, light modes, user lights or on/off
//                                     maps, macro area, music frame, battery); RGB keyboards:
//                                     what the device library wrote (SimTarnexio.h)
//   keyboard-profile DEV P            the user switches to profile P on the keyboard itself
//                                     (long family: the 0x03, 0x08 input report follows; RGB
//                                     keyboards: table byte 30)
//   keyboard-light DEV M              the user switches the light mode on the keyboard
//   battery DEV N                     the battery level the keyboard reports (0..100)
//   list                              one line per keyboard: "<dev> <model> <vid> <pid> <name>"
//   quit                              stop the simulator
// DEV is the device index the log uses: plug order from 0, never reused.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SimDevice.h"
#include "SimLog.h"
#include "device/hid/SimWire.h"

namespace vekora::sim {

class SimServer {
public:
    explicit SimServer(SimLog& log) : log_(log) {}
    ~SimServer();

    // Binds and listens on `path` (a stale socket file is replaced). False with `error`.
    bool Listen(const std::string& path, std::string& error);

    // Plugs a keyboard of `model` before serving; false for unknown models.
    std::optional<int> PlugModel(int model, std::string& error);

    // Serves until `quit` or until *stop becomes true (checked at least every 200 ms).
    void Run(const volatile bool* stop);

    // Runs one control command; returns the answer lines (first one "ok ..." or "err ...").
    std::vector<std::string> Control(const std::vector<std::string>& words,
                                     const std::string& rawLine);

private:
    struct Client {
        LineSocket socket;
        bool watcher = false;
    };
    struct OpenHandle {
        int device = 0;
        int usbInterface = 0;
    };

    void Handle(Client& client, const std::string& line);
    std::vector<std::string> Answer(const std::vector<std::string>& w, const std::string& line);
    std::optional<int> Plug(SimIdentity identity);
    void Unplug(int device);
    void Notify(const char* event, const SimDevice& device);
    std::vector<std::string> KeyboardCommand(SimDevice& device, const std::vector<std::string>& w);
    std::vector<std::string> LibraryCommand(SimTarnexio& library,
                                            const std::vector<std::string>& w);
    SimDevice* Device(int index);
    std::string NodePath(int device, int usbInterface) const;

    SimLog& log_;
    std::string path_;
    int listenFd_ = -1;
    bool quit_ = false;
    std::vector<std::unique_ptr<Client>> clients_;
    std::vector<std::unique_ptr<SimDevice>> devices_;
    int nextDevice_ = 0;
    std::map<int, OpenHandle> handles_;
    int nextHandle_ = 1;
};

}  // namespace vekora::sim
