#include "platform/audio/PulseCapture.h"

#include <pulse/pulseaudio.h>
#include <pulse/rtclock.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

namespace vekora {
namespace {

// The analysis reads packets as interleaved float pairs; PulseAudio mixes any output layout
// down to stereo for us.
constexpr int kChannels = 2;
constexpr std::uint32_t kFallbackRate = 48000;
// Small fragments keep the picture close to the sound; the backlog bound keeps a paused
// visualizer from resuming on seconds-old audio.
constexpr std::uint32_t kFragmentMs = 10;
constexpr std::uint32_t kBacklogMs = 100;
constexpr pa_usec_t kConnectTimeout = 3 * PA_USEC_PER_SEC;
// While a capture is wanted but no server answers (not started yet, restarted, crashed), the
// capture tries to connect again this often.
constexpr auto kReconnectInterval = std::chrono::seconds(3);

}  // namespace

struct PulseCapture::Impl {
    DiagnosticFn diagnostic;
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;

    // The default output as last seen; guarded by the mainloop lock.
    bool haveDevice = false;
    std::string defaultSink;
    std::string monitorSource;
    std::uint32_t rate = kFallbackRate;
    std::string capturedSource;  // what the running stream records
    bool wantCapture = false;    // a capture was asked for: follow default-output changes
    int starts = 0;

    bool refreshDone = false;
    bool connectTimedOut = false;
    // Whether the missing or lost server has been reported; cleared by a new connection, so
    // each outage is told once however often reconnecting fails.
    bool saidServerMissing = false;
    std::chrono::steady_clock::time_point nextReconnect{};
    bool saidStreamBroken = false;
    std::vector<float> scratch;  // for packets that arrive misaligned (never seen in practice)

    void Say(const std::string& line) const {
        if (diagnostic)
            diagnostic(line);
        else
            std::fprintf(stderr, "vekora: %s\n", line.c_str());
    }

    // ---- mainloop-thread callbacks (the lock is held while they run) ----

    static void OnContextState(pa_context* c, void* userdata) {
        auto* self = static_cast<Impl*>(userdata);
        const pa_context_state_t state = pa_context_get_state(c);
        if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED) {
            if (self->haveDevice && !self->saidServerMissing) {
                self->saidServerMissing = true;
                self->Say(std::string("music capture: lost the sound server (") +
                          pa_strerror(pa_context_errno(c)) + ")");
            }
            self->haveDevice = false;
        }
        pa_threaded_mainloop_signal(self->loop, 0);
    }

    static void OnConnectTimeout(pa_mainloop_api*, pa_time_event*, const struct timeval*,
                                 void* userdata) {
        auto* self = static_cast<Impl*>(userdata);
        self->connectTimedOut = true;
        pa_threaded_mainloop_signal(self->loop, 0);
    }

    static void OnSubscription(pa_context*, pa_subscription_event_type_t type, uint32_t,
                               void* userdata) {
        // Only the server object carries the default output; a change of it may mean a new
        // default, which the capture must follow.
        if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) == PA_SUBSCRIPTION_EVENT_SERVER)
            static_cast<Impl*>(userdata)->RefreshDefault();
    }

    static void OnServerInfo(pa_context* c, const pa_server_info* info, void* userdata) {
        auto* self = static_cast<Impl*>(userdata);
        const char* sink = info != nullptr ? info->default_sink_name : nullptr;
        if (sink == nullptr || *sink == '\0') {
            self->DefaultGone();
            return;
        }
        pa_operation* op = pa_context_get_sink_info_by_name(c, sink, &OnSinkInfo, self);
        if (op == nullptr)
            self->DefaultGone();
        else
            pa_operation_unref(op);
    }

    static void OnSinkInfo(pa_context*, const pa_sink_info* info, int eol, void* userdata) {
        auto* self = static_cast<Impl*>(userdata);
        if (eol < 0) {  // the default output vanished between the two questions
            self->DefaultGone();
            return;
        }
        if (eol > 0 || info == nullptr)
            return;
        self->haveDevice = info->monitor_source_name != nullptr;
        self->defaultSink = info->name != nullptr ? info->name : "";
        self->monitorSource = self->haveDevice ? info->monitor_source_name : "";
        self->rate = info->sample_spec.rate != 0 ? info->sample_spec.rate : kFallbackRate;
        if (self->wantCapture && self->haveDevice && self->monitorSource != self->capturedSource)
            self->StartStream();
        self->refreshDone = true;
        pa_threaded_mainloop_signal(self->loop, 0);
    }

    // ---- helpers; the caller holds the mainloop lock ----

    void DefaultGone() {
        haveDevice = false;
        defaultSink.clear();
        monitorSource.clear();
        ReleaseStream();
        refreshDone = true;
        pa_threaded_mainloop_signal(loop, 0);
    }

    // Asks the server for the default output; the answer arrives in OnSinkInfo/DefaultGone.
    void RefreshDefault() {
        pa_operation* op = pa_context_get_server_info(context, &OnServerInfo, this);
        if (op == nullptr)
            DefaultGone();
        else
            pa_operation_unref(op);
    }

    void ReleaseStream() {
        if (stream == nullptr)
            return;
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (state == PA_STREAM_READY || state == PA_STREAM_CREATING)
            pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        stream = nullptr;
        capturedSource.clear();
    }

    bool StartStream() {
        ReleaseStream();
        if (!haveDevice || context == nullptr)
            return false;
        const pa_sample_spec format{PA_SAMPLE_FLOAT32LE, rate, kChannels};
        stream = pa_stream_new(context, "Music visualizer", &format, nullptr);
        if (stream == nullptr)
            return false;
        const std::uint32_t bytesPerMs = rate * kChannels * sizeof(float) / 1000;
        pa_buffer_attr attr{};
        attr.maxlength = bytesPerMs * kBacklogMs;
        attr.fragsize = bytesPerMs * kFragmentMs;
        attr.tlength = attr.prebuf = attr.minreq = static_cast<std::uint32_t>(-1);
        // The capture stays on this output's monitor; a new default output gets a new stream
        // (through the subscription) rather than being moved to whatever the server picks.
        const auto flags =
            static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE);
        if (pa_stream_connect_record(stream, monitorSource.c_str(), &attr, flags) < 0) {
            pa_stream_unref(stream);
            stream = nullptr;
            return false;
        }
        capturedSource = monitorSource;
        saidStreamBroken = false;
        ++starts;
        return true;
    }

    void Disconnect() {
        ReleaseStream();
        if (context != nullptr) {
            pa_context_set_state_callback(context, nullptr, nullptr);
            pa_context_set_subscribe_callback(context, nullptr, nullptr);
            pa_context_disconnect(context);
            pa_context_unref(context);
            context = nullptr;
        }
        haveDevice = false;
    }

    // Connects and waits (bounded) for the context to be ready; false without a server.
    bool Connect() {
        context = pa_context_new(pa_threaded_mainloop_get_api(loop), "Vekora Control Hub");
        if (context == nullptr)
            return false;
        pa_context_set_state_callback(context, &OnContextState, this);
        // No autospawn: the desktop session owns the sound server; we never start one.
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            return false;
        connectTimedOut = false;
        pa_time_event* timeout = pa_context_rttime_new(context, pa_rtclock_now() + kConnectTimeout,
                                                       &OnConnectTimeout, this);
        pa_context_state_t state;
        while ((state = pa_context_get_state(context)) != PA_CONTEXT_READY &&
               PA_CONTEXT_IS_GOOD(state) && !connectTimedOut)
            pa_threaded_mainloop_wait(loop);
        if (timeout != nullptr)
            pa_threaded_mainloop_get_api(loop)->time_free(timeout);
        if (state != PA_CONTEXT_READY)
            return false;
        pa_context_set_subscribe_callback(context, &OnSubscription, this);
        pa_operation* op =
            pa_context_subscribe(context, PA_SUBSCRIPTION_MASK_SERVER, nullptr, nullptr);
        if (op != nullptr)
            pa_operation_unref(op);
        return true;
    }
};

PulseCapture::PulseCapture(DiagnosticFn diagnostic) : impl_(std::make_unique<Impl>()) {
    impl_->diagnostic = std::move(diagnostic);
}

PulseCapture::~PulseCapture() {
    if (impl_->loop == nullptr)
        return;
    pa_threaded_mainloop_lock(impl_->loop);
    impl_->Disconnect();
    pa_threaded_mainloop_unlock(impl_->loop);
    pa_threaded_mainloop_stop(impl_->loop);
    pa_threaded_mainloop_free(impl_->loop);
}

void PulseCapture::Open() {
    Impl& d = *impl_;
    if (d.loop == nullptr) {
        d.loop = pa_threaded_mainloop_new();
        if (d.loop == nullptr || pa_threaded_mainloop_start(d.loop) < 0) {
            if (d.loop != nullptr)
                pa_threaded_mainloop_free(d.loop);
            d.loop = nullptr;
            d.Say("music capture: cannot start the sound client");
            return;
        }
    }
    pa_threaded_mainloop_lock(d.loop);
    const bool ready = d.context != nullptr && pa_context_get_state(d.context) == PA_CONTEXT_READY;
    if (!ready) {
        d.Disconnect();
        if (!d.Connect()) {
            if (!d.saidServerMissing) {
                d.saidServerMissing = true;
                const char* why = d.connectTimedOut || d.context == nullptr
                                      ? "no answer"
                                      : pa_strerror(pa_context_errno(d.context));
                d.Say(std::string("music capture: no sound server (") + why +
                      "); the music lights show the background only");
            }
            d.Disconnect();
            pa_threaded_mainloop_unlock(d.loop);
            return;
        }
        d.saidServerMissing = false;
    }
    d.refreshDone = false;
    d.RefreshDefault();
    while (!d.refreshDone && d.context != nullptr &&
           pa_context_get_state(d.context) == PA_CONTEXT_READY)
        pa_threaded_mainloop_wait(d.loop);
    pa_threaded_mainloop_unlock(d.loop);
}

std::vector<std::string> PulseCapture::DeviceNames() const {
    if (impl_->loop == nullptr)
        return {};
    pa_threaded_mainloop_lock(impl_->loop);
    const bool have = impl_->haveDevice;
    pa_threaded_mainloop_unlock(impl_->loop);
    return have ? std::vector<std::string>{kDeviceName} : std::vector<std::string>{};
}

bool PulseCapture::Restart(int /*index*/) {
    // There is only ever one device, so every index means it.
    Impl& d = *impl_;
    if (d.loop == nullptr)
        return false;
    pa_threaded_mainloop_lock(d.loop);
    d.wantCapture = true;
    const bool started = d.StartStream();
    pa_threaded_mainloop_unlock(d.loop);
    return started;
}

void PulseCapture::Reconnect() {
    Impl& d = *impl_;
    pa_threaded_mainloop_lock(d.loop);
    const bool alive = d.context != nullptr && PA_CONTEXT_IS_GOOD(pa_context_get_state(d.context));
    const bool wanted = d.wantCapture;
    pa_threaded_mainloop_unlock(d.loop);
    const auto now = std::chrono::steady_clock::now();
    if (alive || !wanted || now < d.nextReconnect)
        return;
    d.nextReconnect = now + kReconnectInterval;
    Open();
    pa_threaded_mainloop_lock(d.loop);
    if (d.haveDevice && d.stream == nullptr)
        d.StartStream();
    pa_threaded_mainloop_unlock(d.loop);
}

void PulseCapture::Drain(PacketSink& sink) {
    Impl& d = *impl_;
    if (d.loop == nullptr)
        return;
    Reconnect();
    pa_threaded_mainloop_lock(d.loop);
    if (d.stream != nullptr) {
        const pa_stream_state_t state = pa_stream_get_state(d.stream);
        if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
            // Losing the whole server has been reported already; say nothing more then.
            const bool serverGone =
                d.context == nullptr || !PA_CONTEXT_IS_GOOD(pa_context_get_state(d.context));
            if (!d.saidStreamBroken && !serverGone) {
                d.saidStreamBroken = true;
                d.Say("music capture: the capture of " + d.capturedSource +
                      " stopped; waiting for a new default output");
            }
            d.ReleaseStream();
        } else if (state == PA_STREAM_READY) {
            const std::size_t frameBytes = kChannels * sizeof(float);
            for (;;) {
                const std::size_t readable = pa_stream_readable_size(d.stream);
                if (readable == 0 || readable == static_cast<std::size_t>(-1))
                    break;
                const void* data = nullptr;
                std::size_t bytes = 0;
                if (pa_stream_peek(d.stream, &data, &bytes) < 0 || bytes == 0)
                    break;
                // A hole (data lost in the server) carries no samples; skip it.
                if (data != nullptr) {
                    const std::size_t floats = bytes / sizeof(float);
                    const float* samples = static_cast<const float*>(data);
                    if (reinterpret_cast<std::uintptr_t>(data) % alignof(float) != 0) {
                        d.scratch.resize(floats);
                        std::memcpy(d.scratch.data(), data, floats * sizeof(float));
                        samples = d.scratch.data();
                    }
                    sink.OnPacket(samples, bytes / frameBytes, floats, kChannels);
                }
                pa_stream_drop(d.stream);
            }
        }
    }
    pa_threaded_mainloop_unlock(d.loop);
}

std::string PulseCapture::CaptureSourceName() const {
    if (impl_->loop == nullptr)
        return {};
    pa_threaded_mainloop_lock(impl_->loop);
    std::string name = impl_->capturedSource;
    pa_threaded_mainloop_unlock(impl_->loop);
    return name;
}

int PulseCapture::CaptureStarts() const {
    if (impl_->loop == nullptr)
        return 0;
    pa_threaded_mainloop_lock(impl_->loop);
    const int starts = impl_->starts;
    pa_threaded_mainloop_unlock(impl_->loop);
    return starts;
}

}  // namespace vekora
