#pragma once

#include "SimulatedPositioner.h"

#include <QByteArray>

#include <cmath>
#include <cstdint>
#include <vector>

// The samples the simulated device itself gave in its signature block
// replies (252), in the order it gave them: two samples a block, each six
// signed words in hundredths of a percent (pressures: of the full scale).
struct SignatureWords {
    double command = 0, position = 0, relayCommand = 0, relayPosition = 0, port1 = 0, port2 = 0;

    static std::vector<SignatureWords> fromReplies(const SimulatedPositioner& device)
    {
        std::vector<SignatureWords> out;
        for (const SimRequest& request : device.requests()) {
            // [252][byte count][response code][device status][12 words][block status]
            if (request.command != 252 || request.reply.size() < 4 + 24)
                continue;
            const auto word = [&](int k) {
                return int16_t(uint16_t(uint8_t(request.reply[4 + 2 * k]) << 8 | uint8_t(request.reply[5 + 2 * k])))
                    * 0.01;
            };
            for (int sample = 0; sample < 2; ++sample) {
                const int w = sample * 6;
                out.push_back({ word(w), word(w + 1), word(w + 2), word(w + 3), word(w + 4), word(w + 5) });
            }
        }
        return out;
    }

    // Whether the run made every pair of words that a swap would confuse differ somewhere.
    static bool wordsDiffer(const std::vector<SignatureWords>& samples, double by)
    {
        bool commandPosition = false, relay = false, ports = false, relayPort = false;
        for (const SignatureWords& s : samples) {
            commandPosition = commandPosition || std::abs(s.command - s.position) > by;
            relay = relay || std::abs(s.relayCommand - s.relayPosition) > by;
            ports = ports || std::abs(s.port1 - s.port2) > by;
            relayPort = relayPort || std::abs(s.relayPosition - s.port1) > by;
        }
        return commandPosition && relay && ports && relayPort;
    }

    // The data of a block whose twelve words are all below zero and all
    // differ, block status 0: the simulated valve gives no negative word of
    // its own, and a word read without its sign shows only on these.
    static QByteArray negativeBlock()
    {
        QByteArray data;
        for (int k = 1; k <= 12; ++k) {
            const uint16_t word = uint16_t(-37 * k);
            data.append(char(word >> 8)).append(char(word & 0xFF));
        }
        return data.append('\0');
    }
};
