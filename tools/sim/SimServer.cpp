#include "SimServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "SimModels.h"

namespace vekora::sim {
namespace {

constexpr int kPollSliceMs = 200;

std::optional<long> ParseLong(const std::string& text, int base) {
    if (text.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, base);
    if (*end != '\0' || errno != 0) {
        return std::nullopt;
    }
    return value;
}

std::string Hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value & 0xFFFF);
    return text;
}

// "sim/<dev>/<usb interface>" → (dev, interface).
std::optional<std::pair<int, int>> ParseNodePath(const std::string& path) {
    if (path.rfind("sim/", 0) != 0) {
        return std::nullopt;
    }
    const std::size_t slash = path.find('/', 4);
    if (slash == std::string::npos) {
        return std::nullopt;
    }
    const auto dev = ParseLong(path.substr(4, slash - 4), 10);
    const auto iface = ParseLong(path.substr(slash + 1), 10);
    if (!dev || !iface) {
        return std::nullopt;
    }
    return std::make_pair(static_cast<int>(*dev), static_cast<int>(*iface));
}

std::string Err(const std::string& text) {
    return "err " + text;
}

}  // namespace

SimServer::~SimServer() {
    clients_.clear();
    if (listenFd_ >= 0) {
        close(listenFd_);
        unlink(path_.c_str());
    }
}

bool SimServer::Listen(const std::string& path, std::string& error) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof addr.sun_path) {
        error = "socket path is empty or too long: " + path;
        return false;
    }
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0) {
        if (!S_ISSOCK(st.st_mode)) {
            error = path + " exists and is not a socket";
            return false;
        }
        LineSocket probe;
        std::string ignored;
        if (probe.Connect(path, ignored)) {
            error = "another simulator already serves " + path;
            return false;
        }
        unlink(path.c_str());  // left behind by a simulator that did not stop cleanly
    }
    listenFd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0 || bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        listen(listenFd_, 16) != 0) {
        error = "cannot listen on " + path + ": " + std::strerror(errno);
        return false;
    }
    path_ = path;
    return true;
}

std::optional<int> SimServer::PlugModel(int model, std::string& error) {
    const auto identity = IdentityOfModel(model);
    if (!identity) {
        error = "no keyboard has model code " + std::to_string(model);
        return std::nullopt;
    }
    return Plug(*identity);
}

std::optional<int> SimServer::Plug(SimIdentity identity) {
    const int index = nextDevice_++;
    devices_.push_back(std::make_unique<SimDevice>(index, std::move(identity)));
    Notify("arrival", *devices_.back());
    return index;
}

void SimServer::Unplug(int device) {
    auto it = std::find_if(devices_.begin(), devices_.end(),
                           [device](const auto& d) { return d->Index() == device; });
    if (it == devices_.end()) {
        return;
    }
    const std::unique_ptr<SimDevice> gone = std::move(*it);
    devices_.erase(it);
    // Open handles stay valid numbers but every transfer on them fails from now on.
    Notify("removal", *gone);
}

void SimServer::Notify(const char* event, const SimDevice& device) {
    for (const SimInterface& iface : device.Interfaces()) {
        const std::string line =
            std::string(event) + " " + NodePath(device.Index(), iface.usbInterface) + " " +
            Hex4(device.Identity().vendorId) + " " + Hex4(device.Identity().productId) + " " +
            std::to_string(iface.usbInterface);
        for (auto& client : clients_) {
            if (client->watcher) {
                client->socket.WriteLine(line);
            }
        }
    }
}

SimDevice* SimServer::Device(int index) {
    for (auto& d : devices_) {
        if (d->Index() == index) {
            return d.get();
        }
    }
    return nullptr;
}

std::string SimServer::NodePath(int device, int usbInterface) const {
    return "sim/" + std::to_string(device) + "/" + std::to_string(usbInterface);
}

void SimServer::Run(const volatile bool* stop) {
    while (!quit_ && !(stop && *stop)) {
        std::vector<pollfd> fds;
        fds.push_back({listenFd_, POLLIN, 0});
        for (auto& c : clients_) {
            fds.push_back({c->socket.Fd(), POLLIN, 0});
        }
        const int ready = poll(fds.data(), fds.size(), kPollSliceMs);
        if (ready < 0 && errno != EINTR) {
            std::perror("vekora-kbd-sim: poll");
            return;
        }
        if (ready <= 0) {
            continue;
        }
        if (fds[0].revents & POLLIN) {
            const int fd = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0) {
                auto client = std::make_unique<Client>();
                client->socket = LineSocket(fd);
                clients_.push_back(std::move(client));
            }
        }
        std::vector<Client*> closed;
        for (std::size_t i = 1; i < fds.size(); ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) {
                continue;
            }
            Client& client = *clients_[i - 1];
            // One read, then every complete line it brought.
            auto line = client.socket.ReadLine(0);
            if (!line) {
                closed.push_back(&client);
                continue;
            }
            Handle(client, *line);
            while (client.socket.HasBufferedLine()) {
                Handle(client, *client.socket.ReadLine(0));
            }
        }
        std::erase_if(clients_, [&](const auto& c) {
            return std::find(closed.begin(), closed.end(), c.get()) != closed.end();
        });
    }
}

void SimServer::Handle(Client& client, const std::string& line) {
    const auto words = SplitWords(line);
    if (!words.empty() && words[0] == "watch") {
        client.watcher = true;
        client.socket.WriteLine("ok");
        // A watcher that stops reading loses events instead of stalling every keyboard.
        fcntl(client.socket.Fd(), F_SETFL, fcntl(client.socket.Fd(), F_GETFL) | O_NONBLOCK);
        return;
    }
    for (const std::string& answer : Answer(words, line)) {
        client.socket.WriteLine(answer);
    }
}

std::vector<std::string> SimServer::Answer(const std::vector<std::string>& w,
                                           const std::string& line) {
    if (w.empty()) {
        return {Err("empty request")};
    }
    const std::string& verb = w[0];
    if (verb == "enum") {
        std::vector<std::string> out{"ok"};
        for (const auto& d : devices_) {
            for (const SimInterface& iface : d->Interfaces()) {
                out.push_back(
                    NodePath(d->Index(), iface.usbInterface) + " " + Hex4(d->Identity().vendorId) +
                    " " + Hex4(d->Identity().productId) + " " + Hex4(d->Identity().release) + " " +
                    std::to_string(iface.usbInterface) + " " + HexEncode(*iface.descriptor));
            }
        }
        out[0] = "ok " + std::to_string(out.size() - 1);
        return out;
    }
    if (verb == "open" && w.size() >= 2) {
        const auto node = ParseNodePath(w[1]);
        SimDevice* d = node ? Device(node->first) : nullptr;
        const SimInterface* iface = d ? d->FindInterface(node->second) : nullptr;
        if (!iface) {
            return {Err("No such device")};
        }
        const int handle = nextHandle_++;
        handles_[handle] = {node->first, node->second};
        return {"ok " + std::to_string(handle) + " " + HexEncode(*iface->descriptor)};
    }
    if (verb == "ctl") {
        return Control(std::vector<std::string>(w.begin() + 1, w.end()),
                       line.substr(std::min(line.size(), line.find("ctl") + 4)));
    }
    // The rest work on an open handle.
    if (w.size() < 2) {
        return {Err("unknown request: " + line)};
    }
    const auto handleId = ParseLong(w[1], 10);
    const auto open = handleId ? handles_.find(static_cast<int>(*handleId)) : handles_.end();
    if (open == handles_.end()) {
        return {Err("Bad file descriptor")};
    }
    if (verb == "close") {
        handles_.erase(open);
        return {"ok"};
    }
    SimDevice* d = Device(open->second.device);
    if (!d) {
        return {Err("No such device")};  // unplugged: what a removed hidraw node answers
    }
    const int usbInterface = open->second.usbInterface;
    if (verb == "string" && w.size() == 3) {
        const std::string& text =
            w[2] == "manufacturer" ? d->Identity().manufacturer : d->Identity().product;
        return {"ok " + HexEncode(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())};
    }
    if ((verb == "setf" || verb == "getf") && w.size() == 3) {
        const auto bytes = HexDecode(w[2]);
        if (!bytes || bytes->empty()) {
            return {Err("Invalid argument")};
        }
        if (verb == "setf") {
            const TransferResult r = d->SetFeature(usbInterface, *bytes);
            if (!r.ok) {
                return {Err(r.error)};
            }
            log_.Write(d->Index(), "feature", "set_feature", *bytes);
            if (d->CountTransferForUnplug()) {
                Unplug(d->Index());
            }
            return {"ok " + std::to_string(bytes->size())};
        }
        const TransferResult r = d->GetFeature(usbInterface, *bytes);
        if (!r.ok) {
            return {Err(r.error)};
        }
        log_.Write(d->Index(), "feature", "get_feature", r.data);
        return {"ok " + HexEncode(r.data)};
    }
    if (verb == "read") {
        const SimInterface* iface = d->FindInterface(usbInterface);
        if (!iface || !iface->hasInput) {
            return {"ok"};  // nothing ever arrives on this interface
        }
        const auto report = d->TakeInput();
        if (!report) {
            return {"ok"};
        }
        log_.Write(d->Index(), "input", "read_input", *report);
        return {"ok " + HexEncode(*report)};
    }
    return {Err("unknown request: " + line)};
}

std::vector<std::string> SimServer::Control(const std::vector<std::string>& w,
                                            const std::string& rawLine) {
    if (w.empty()) {
        return {Err("missing control command")};
    }
    const std::string& cmd = w[0];
    if (cmd == "plug" && w.size() == 2) {
        const auto model = ParseLong(w[1], 10);
        std::string error;
        const auto dev = model ? PlugModel(static_cast<int>(*model), error) : std::nullopt;
        return {dev ? "ok " + std::to_string(*dev) : Err(error.empty() ? "bad model" : error)};
    }
    if (cmd == "plug-product" && w.size() >= 5) {
        const auto model = ParseLong(w[1], 10);
        const auto vid = ParseLong(w[2], 16);
        const auto pid = ParseLong(w[3], 16);
        auto identity = model ? IdentityOfModel(static_cast<int>(*model)) : std::nullopt;
        if (!identity || !vid || !pid || *vid < 0 || *vid > 0xFFFF || *pid < 0 || *pid > 0xFFFF) {
            return {Err("usage: plug-product CODE VID PID NAME...")};
        }
        // The product string is the rest of the line, spaces and case kept.
        std::size_t at = 0;
        for (int i = 0; i < 4; ++i) {
            at = rawLine.find_first_not_of(' ', at);
            at = rawLine.find(' ', at);
        }
        identity->vendorId = static_cast<std::uint16_t>(*vid);
        identity->productId = static_cast<std::uint16_t>(*pid);
        identity->product = rawLine.substr(rawLine.find_first_not_of(' ', at));
        return {"ok " + std::to_string(*Plug(*identity))};
    }
    const auto dev = w.size() >= 2 ? ParseLong(w[1], 10) : std::nullopt;
    SimDevice* d = dev ? Device(static_cast<int>(*dev)) : nullptr;
    if (cmd == "list") {
        std::vector<std::string> out{"ok " + std::to_string(devices_.size())};
        for (const auto& x : devices_) {
            out.push_back(std::to_string(x->Index()) + " " + std::to_string(x->Identity().model) +
                          " " + Hex4(x->Identity().vendorId) + " " + Hex4(x->Identity().productId) +
                          " " + x->Identity().product);
        }
        return out;
    }
    if (cmd == "quit") {
        quit_ = true;
        return {"ok"};
    }
    if (!d) {
        return {Err("no keyboard with that index")};
    }
    if (cmd == "unplug") {
        Unplug(d->Index());
        return {"ok"};
    }
    if (cmd == "fault" && w.size() == 3) {
        SimFaults& f = d->Faults();
        const std::string& kind = w[2];
        if (kind == "none") {
            f.notReadyAnswers = 0;
            f.errorAnswers = 0;
            f.reportsUntilUnplug = -1;
            if (d->Library()) {
                d->Library()->RefuseRequests(0);
            }
        } else if ((kind == "refuse-once" || kind == "refuse-always") && d->Library()) {
            d->Library()->RefuseRequests(kind == "refuse-once" ? 1 : -1);
        } else if (kind == "ff-once") {
            f.notReadyAnswers = 1;
        } else if (kind == "ff-always") {
            f.notReadyAnswers = -1;
        } else if (kind == "error-once") {
            f.errorAnswers = 1;
        } else if (kind == "error-always") {
            f.errorAnswers = -1;
        } else {
            return {Err("unknown fault " + kind)};
        }
        return {"ok"};
    }
    if (cmd == "unplug-after" && w.size() == 3) {
        const auto n = ParseLong(w[2], 10);
        if (!n || *n < 0) {
            return {Err("usage: unplug-after DEV N")};
        }
        if (*n == 0) {
            Unplug(d->Index());
        } else {
            d->Faults().reportsUntilUnplug = static_cast<int>(*n);
        }
        return {"ok"};
    }
    if (cmd == "state" || cmd == "keyboard-profile" || cmd == "keyboard-light" ||
        cmd == "battery") {
        return KeyboardCommand(*d, w);
    }
    if (cmd == "input" && w.size() == 3) {
        const auto bytes = HexDecode(w[2]);
        if (!bytes || bytes->empty()) {
            return {Err("usage: input DEV HEX")};
        }
        d->QueueInput(*bytes);
        return {"ok"};
    }
    return {Err("unknown control command: " + rawLine)};
}

std::vector<std::string> SimServer::KeyboardCommand(SimDevice& d,
                                                    const std::vector<std::string>& w) {
    if (SimTarnexio* library = d.Library()) {
        return LibraryCommand(*library, w);
    }
    SimKeyboardState* keyboard = d.Keyboard();
    if (!keyboard) {
        return {Err("the keyboard has no own-report settings")};
    }
    if (w[0] == "state") {
        return {"ok " + keyboard->ToJson()};
    }
    const auto value = w.size() == 3 ? ParseLong(w[2], 10) : std::nullopt;
    if (!value) {
        return {Err("usage: " + w[0] + " DEV N")};
    }
    std::optional<std::vector<std::uint8_t>> report;
    if (w[0] == "keyboard-profile") {
        if (*value < 1 || *value > 5) {
            return {Err("a profile is 1..5")};
        }
        report = keyboard->ChangeProfileByKeyboard(static_cast<int>(*value));
    } else if (w[0] == "keyboard-light") {
        if (*value < 0 || *value > 255) {
            return {Err("a light mode is 0..255")};
        }
        report = keyboard->ChangeLightModeByKeyboard(static_cast<int>(*value));
    } else {
        keyboard->SetBattery(static_cast<int>(std::clamp<long>(*value, 0, 100)));
    }
    if (report) {
        d.QueueInput(*report);
    }
    return {"ok"};
}

// The RGB keyboards keep what the device library writes (tools/sim/SimTarnexio.h).
std::vector<std::string> SimServer::LibraryCommand(SimTarnexio& library,
                                                   const std::vector<std::string>& w) {
    if (w[0] == "state") {
        return {"ok " + library.StateJson()};
    }
    if (w[0] == "keyboard-profile") {
        const auto value = w.size() == 3 ? ParseLong(w[2], 10) : std::nullopt;
        if (!value || !library.ChangeProfileOnKeyboard(static_cast<int>(*value))) {
            return {Err("usage: keyboard-profile DEV 1..5")};
        }
        return {"ok"};
    }
    return {Err(w[0] + " is not available on a keyboard driven through the device library")};
}

}  // namespace vekora::sim
