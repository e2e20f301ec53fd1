// 32-bit signed arithmetic that wraps like the machine does instead of being
// undefined on overflow. Item bonuses are unsigned bit patterns ("-3" is read
// as 4294967293) and count as the signed value they encode.
#pragma once

#include <cstdint>

namespace statmath {

// The int32 whose two's-complement pattern is `bits`.
constexpr int32_t fromBits(uint32_t bits) {
    return bits <= 0x7FFFFFFFu ? static_cast<int32_t>(bits)
                               : static_cast<int32_t>(static_cast<int64_t>(bits) - 0x100000000LL);
}
constexpr int32_t wrap(int64_t value) { return fromBits(static_cast<uint32_t>(static_cast<uint64_t>(value))); }
constexpr int32_t add(int32_t a, int32_t b) { return wrap(static_cast<int64_t>(a) + b); }
constexpr int32_t add(int32_t a, uint32_t bonus) { return add(a, fromBits(bonus)); }
constexpr int32_t sub(int32_t a, int32_t b) { return wrap(static_cast<int64_t>(a) - b); }
constexpr int32_t sub(int32_t a, uint32_t bonus) { return sub(a, fromBits(bonus)); }
constexpr int32_t product(int32_t a, int32_t b) { return wrap(static_cast<int64_t>(a) * b); }
// Truncates toward zero; INT32_MIN / -1 wraps instead of trapping.
constexpr int32_t quotient(int32_t a, int32_t b) { return wrap(static_cast<int64_t>(a) / b); }

}  // namespace statmath
