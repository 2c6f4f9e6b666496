// RecordingLink: a ReportLink that answers like a cooperative keyboard and records every
// exchange and pause as a compact token, so a test states a transaction as a list such as
// {"S18", "S11:02x9", "B9", "S02", "SF0"}.
//
// Tokens: S<code>[:<arg>][x<blocks>][ nc] a short command (payload byte 0 = 0x04; "nc" without
// confirmation); P[ nc] a one-block packet (ending 0xAA, 0x55); B<n> a run of n data blocks; F a
// music frame; Q<code> a query; QS a 0xF5 series; X<code> an exchange; W<code>[:<sub>] a long
// write; R<code>[:<sub>] a long read; I an input-report read; p<ms> a pause.
#pragma once

#include <cstdio>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "device/sync/ReportLink.h"

namespace vekora::testing {

class RecordingLink : public ReportLink {
public:
    std::vector<std::string> trace;
    std::vector<std::vector<std::uint8_t>> shortData;  // every SendReport's bytes
    std::vector<LongReport> longWrites;
    std::int64_t now = 0;

    bool accept = true;  // confirmed short reports get status 1
    bool frameInTime = true;
    ShortPayload queryAnswer{};  // the answer to QueryReport
    bool seriesOk = true;
    SeriesArea seriesAnswer{};
    std::map<std::uint8_t, LongReport> longBlocks;  // answers by read command; none = no answer
    std::deque<InputReport> inputs;

    bool SendReport(std::span<const std::uint8_t> data, int length, bool confirm) override {
        shortData.emplace_back(data.begin(), data.end());
        char buf[48];
        if (length > 65) {
            std::snprintf(buf, sizeof buf, "B%d", length / 64 - 1);
        } else if (data[0] == 0x04 && !(data[62] == 0xAA && data[63] == 0x55)) {
            int n = std::snprintf(buf, sizeof buf, "S%02X", data[1]);
            if (data[2] != 0) {
                n += std::snprintf(buf + n, sizeof buf - n, ":%02X", data[2]);
            }
            if (data[8] != 0) {
                n += std::snprintf(buf + n, sizeof buf - n, "x%d", data[8]);
            }
            if (!confirm) {
                std::snprintf(buf + n, sizeof buf - n, " nc");
            }
        } else {
            std::snprintf(buf, sizeof buf, confirm ? "P" : "P nc");
        }
        trace.emplace_back(buf);
        if (length > 65) {
            return true;
        }
        return confirm && accept;
    }
    bool SendFrame(const FramePayload&) override {
        trace.emplace_back("F");
        return frameInTime;
    }
    bool QueryReport(ShortPayload& payload) override {
        trace.push_back(Hex("Q", payload[1]));
        payload = queryAnswer;
        return true;
    }
    bool QueryReportSeries(SeriesArea& buffer) override {
        trace.emplace_back("QS");
        if (seriesOk) {
            buffer = seriesAnswer;
        }
        return seriesOk;
    }
    bool ExchangeReport(ShortPayload& payload) override {
        trace.push_back(Hex("X", payload[1]));
        payload[3] = 90;
        return true;
    }
    bool WriteLongReport(const LongReport& report) override {
        trace.push_back(Hex("W", report[1], report[2]));
        longWrites.push_back(report);
        return false;
    }
    bool ExchangeLongReport(LongReport& report) override {
        trace.push_back(Hex("R", report[1], report[2]));
        auto it = longBlocks.find(report[1]);
        if (it != longBlocks.end()) {
            report = it->second;
        }
        return true;
    }
    bool ReadInputReport(InputReport& report) override {
        trace.emplace_back("I");
        if (inputs.empty()) {
            return false;
        }
        report = inputs.front();
        inputs.pop_front();
        return true;
    }
    void Pause(int ms) override {
        trace.push_back("p" + std::to_string(ms));
        now += ms;
    }
    std::int64_t NowMs() const override { return now; }

    // A light block as a keyboard would answer it.
    static LongReport LightBlock(int profileByte, int mode) {
        LongReport b{};
        b[0] = 6;
        b[1] = 0x84;
        b[2] = 1;
        b[4] = 1;
        b[6] = 128;
        b[8] = static_cast<std::uint8_t>(profileByte);
        b[18] = static_cast<std::uint8_t>(mode);
        b[40] = 0x5A;  // a byte of the keyboard's own
        return b;
    }
    static LongReport KeyMap() {
        LongReport b{};
        b[0] = 6;
        b[1] = 0x83;
        b[4] = 1;
        b[6] = 0xF8;
        b[7] = 1;
        for (int i = 8; i < 512; ++i) {
            b[static_cast<std::size_t>(i)] = 0xEE;
        }
        return b;
    }
    static LongReport OnOffMap() {
        LongReport b{};
        b[0] = 6;
        b[1] = 0x86;
        b[2] = 1;
        b[8] = 0xFF;
        return b;
    }
    // Answers every read like a keyboard in profile `profile` with light mode `mode`.
    void AnswerReads(int profileByte = 1, int mode = 3) {
        longBlocks[0x84] = LightBlock(profileByte, mode);
        longBlocks[0x83] = KeyMap();
        longBlocks[0x86] = OnOffMap();
    }

private:
    static std::string Hex(const char* prefix, std::uint8_t code, std::uint8_t sub = 0) {
        char buf[16];
        if (sub != 0) {
            std::snprintf(buf, sizeof buf, "%s%02X:%02X", prefix, code, sub);
        } else {
            std::snprintf(buf, sizeof buf, "%s%02X", prefix, code);
        }
        return buf;
    }
};

}  // namespace vekora::testing
