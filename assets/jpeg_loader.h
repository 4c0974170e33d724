#pragma once
// Decodes JPEG pictures held in memory by calling libjpeg directly.
#include <QByteArray>
#include <QImage>

#include <stdexcept>
#include <string>

namespace trelvist::assets {

// Data that is not a JPEG, is cut short or is damaged.
class JpegError : public std::runtime_error {
public:
    explicit JpegError(const std::string& message) : std::runtime_error(message) {}
};

// Returns the picture as an RGB image; throws JpegError instead of returning a partial picture.
// libjpeg's warnings (a premature end of data, corrupt entropy data) count as errors.
QImage decodeJpeg(const QByteArray& data);

}  // namespace trelvist::assets
