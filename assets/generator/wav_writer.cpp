#include "wav_writer.h"

#include <QtEndian>

namespace trelvist::assets::generator {
namespace {

void put32(QByteArray& out, uint32_t v) {
    char bytes[4];
    qToLittleEndian(v, bytes);
    out.append(bytes, 4);
}

void put16(QByteArray& out, uint16_t v) {
    char bytes[2];
    qToLittleEndian(v, bytes);
    out.append(bytes, 2);
}

}  // namespace

QByteArray wavFile(const std::vector<int16_t>& samples, int sampleRate) {
    constexpr uint16_t kChannels = 1;
    constexpr uint16_t kBits = 16;
    const auto dataBytes = static_cast<uint32_t>(samples.size() * sizeof(int16_t));
    QByteArray out;
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, kChannels);
    put32(out, static_cast<uint32_t>(sampleRate));
    put32(out, static_cast<uint32_t>(sampleRate) * kChannels * kBits / 8);
    put16(out, kChannels * kBits / 8);
    put16(out, kBits);
    out.append("data");
    put32(out, dataBytes);
    for (int16_t s : samples) put16(out, static_cast<uint16_t>(s));
    return out;
}

}  // namespace trelvist::assets::generator
