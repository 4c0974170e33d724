#pragma once
// Writes sound as a RIFF WAVE file: uncompressed 16-bit PCM, mono.
#include <QByteArray>

#include <cstdint>
#include <vector>

namespace trelvist::assets::generator {

QByteArray wavFile(const std::vector<int16_t>& samples, int sampleRate);

}  // namespace trelvist::assets::generator
