// music_probe: runs the visualizer on the real sound server and answers simple commands on
// stdin, one line each, so that the end-to-end script can play sounds and look at the levels.
//
//   devices            -> "devices <n>[ <name>]..."
//   source             -> "source <captured source or -> <capture starts>"
//   amplitude <n>      -> "ok"
//   measure <ms>       -> "peak <column> <level> mean <mean> | <256 levels>": the per-column
//                          maximum of the published levels over the window
//   quit
#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>
#include <numeric>
#include <sstream>
#include <string>
#include <thread>

#include "features/music/MusicPatterns.h"
#include "features/music/Visualizer.h"
#include "platform/audio/PulseCapture.h"

using namespace vekora;

int main() {
    auto capture = std::make_unique<PulseCapture>();
    PulseCapture* pulse = capture.get();
    Visualizer visualizer(std::move(capture));
    visualizer.StartVisualizer();
    visualizer.SetForegroundPattern(kPatternGreenYellowRed);
    visualizer.StartCaptureThread();
    visualizer.SetEnabled(true);

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string command;
        in >> command;
        if (command == "devices") {
            const auto names = visualizer.DeviceNames();
            std::cout << "devices " << names.size();
            for (const auto& n : names)
                std::cout << " " << n;
            std::cout << std::endl;
        } else if (command == "source") {
            const std::string name = pulse->CaptureSourceName();
            std::cout << "source " << (name.empty() ? "-" : name) << " " << pulse->CaptureStarts()
                      << std::endl;
        } else if (command == "amplitude") {
            int amplitude = 0;
            in >> amplitude;
            visualizer.SetAmplitude(amplitude);
            std::cout << "ok" << std::endl;
        } else if (command == "measure") {
            int ms = 0;
            in >> ms;
            SpectrumLevels peak{};
            const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
            while (std::chrono::steady_clock::now() < end) {
                const SpectrumLevels now = visualizer.ReadLevels();
                for (int i = 0; i < kSpectrumColumns; ++i)
                    peak[i] = std::max(peak[i], now[i]);
                std::this_thread::sleep_for(std::chrono::milliseconds(15));
            }
            const auto top = std::max_element(peak.begin(), peak.end());
            const float mean = std::accumulate(peak.begin(), peak.end(), 0.0f) / kSpectrumColumns;
            std::cout << "peak " << (top - peak.begin()) << " " << *top << " mean " << mean << " |";
            for (float level : peak)
                std::cout << " " << level;
            std::cout << std::endl;
        } else if (command == "quit") {
            break;
        } else if (!command.empty()) {
            std::cout << "error unknown command " << command << std::endl;
        }
    }
    visualizer.StopCaptureThread();
    return 0;
}
