// A byte count and the byte buffer it measures, owned by the object.
#pragma once

#include <cstdint>
#include <memory>

class QsBinaryString {
public:
    QsBinaryString() = default;

    int count = 0;
    std::unique_ptr<std::uint8_t[]> buffer;
};
