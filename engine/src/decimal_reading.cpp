#include "engine/decimal_reading.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace engine {

namespace {

// A double's value is always decided by its first 768 significant digits and whether any digit
// after them is not zero: halfway between two doubles, a decimal has at most 767.
constexpr std::size_t kKeptDigits = 800;
// Exponents are read up to this size: beyond it every value is out of range anyway, however many
// zeros the digits start or end with.
constexpr std::int64_t kLargestExponentRead = 1'000'000'000'000'000;
// Decimal exponents of the first digit beyond which the value is out of range.
constexpr std::int64_t kHighestLeadingExponent = 309;
constexpr std::int64_t kLowestLeadingExponent = -325;
constexpr int kSignificandBits = 53;
constexpr int kLowestExponent = -1074;  // of a subnormal's last bit

// A natural number in 32-bit limbs, the least significant first.
class Natural {
public:
    explicit Natural(std::uint32_t value = 0) {
        if (value != 0) {
            limbs_.push_back(value);
        }
    }

    void multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : limbs_) {
            carry += std::uint64_t{limb} * factor;
            limb = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry));
        }
    }

    void multiplyByPowerOfTen(std::int64_t exponent) {
        for (; exponent >= 9; exponent -= 9) {
            multiplyAdd(1'000'000'000, 0);
        }
        for (; exponent > 0; --exponent) {
            multiplyAdd(10, 0);
        }
    }

    void shiftLeft(int bits) {
        if (limbs_.empty()) {
            return;
        }
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0);
        const int rest = bits % 32;
        if (rest == 0) {
            return;
        }
        std::uint32_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint32_t shifted = (limb << rest) | carry;
            carry = limb >> (32 - rest);
            limb = shifted;
        }
        if (carry != 0) {
            limbs_.push_back(carry);
        }
    }

    void halve() {
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            limbs_[i] >>= 1;
            if (i + 1 < limbs_.size()) {
                limbs_[i] |= limbs_[i + 1] << 31;
            }
        }
        trim();
    }

    // this - other, other not larger.
    void subtract(const Natural& other) {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            std::int64_t difference =
                std::int64_t{limbs_[i]} - borrow - (i < other.limbs_.size() ? other.limbs_[i] : 0);
            borrow = difference < 0 ? 1 : 0;
            limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
        }
        trim();
    }

    bool isZero() const { return limbs_.empty(); }

    int bitLength() const {
        if (limbs_.empty()) {
            return 0;
        }
        int bits = static_cast<int>(limbs_.size() - 1) * 32;
        for (std::uint32_t top = limbs_.back(); top != 0; top >>= 1) {
            ++bits;
        }
        return bits;
    }

    friend bool operator<(const Natural& a, const Natural& b) {
        if (a.limbs_.size() != b.limbs_.size()) {
            return a.limbs_.size() < b.limbs_.size();
        }
        for (std::size_t i = a.limbs_.size(); i-- > 0;) {
            if (a.limbs_[i] != b.limbs_[i]) {
                return a.limbs_[i] < b.limbs_[i];
            }
        }
        return false;
    }

private:
    void trim() {
        while (!limbs_.empty() && limbs_.back() == 0) {
            limbs_.pop_back();
        }
    }

    std::vector<std::uint32_t> limbs_;
};

// numerator * 2^shift and denominator * 2^-shift, whichever shift is positive.
void scaled(Natural& numerator, Natural& denominator, int shift) {
    if (shift > 0) {
        numerator.shiftLeft(shift);
    } else {
        denominator.shiftLeft(-shift);
    }
}

// numerator / denominator, neither zero, to the nearest double; 0 or infinity beyond the range.
double nearestDouble(const Natural& numerator, const Natural& denominator) {
    // value * 2^shift with 54 bits before the point: the 53 kept and one to round by, unless the
    // value is so small that its last bit would come below a subnormal's.
    int shift = kSignificandBits + 1 - (numerator.bitLength() - denominator.bitLength());
    Natural top = numerator;
    Natural bottom = denominator;
    scaled(top, bottom, shift);
    bottom.shiftLeft(kSignificandBits + 1);
    if (!(top < bottom)) {
        --shift;
    }
    shift = std::min(shift, 1 - kLowestExponent);
    top = numerator;
    bottom = denominator;
    scaled(top, bottom, shift);
    // Long division, the quotient under 2^54; the remainder stays in top.
    bottom.shiftLeft(kSignificandBits);
    std::uint64_t quotient = 0;
    for (int bit = kSignificandBits; bit >= 0; --bit) {
        if (!(top < bottom)) {
            top.subtract(bottom);
            quotient |= std::uint64_t{1} << bit;
        }
        bottom.halve();
    }
    std::uint64_t significand = quotient >> 1;
    if ((quotient & 1) != 0 && (!top.isZero() || (significand & 1) != 0)) {
        ++significand;
    }
    return std::ldexp(static_cast<double>(significand), 1 - shift);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

DecimalReading readDecimal(std::string_view text) {
    DecimalReading reading;
    std::size_t at = 0;
    const bool negative = at < text.size() && text[at] == '-';
    at += negative ? 1 : 0;
    std::string digits;         // significant: no leading zeros
    std::int64_t exponent = 0;  // of the last digit kept
    bool dropped = false;
    bool anyDigit = false;
    bool afterPoint = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (!isDigit(c)) {
            break;
        }
        anyDigit = true;
        if (digits.empty() && c == '0') {
            exponent -= afterPoint ? 1 : 0;
        } else if (digits.size() < kKeptDigits) {
            digits += c;
            exponent -= afterPoint ? 1 : 0;
        } else {
            dropped = dropped || c != '0';
            exponent += afterPoint ? 0 : 1;
        }
    }
    if (!anyDigit) {
        reading.error = std::errc::invalid_argument;
        return reading;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t next = at + 1;
        const bool negativeExponent = next < text.size() && text[next] == '-';
        next += next < text.size() && (text[next] == '-' || text[next] == '+') ? 1 : 0;
        if (next < text.size() && isDigit(text[next])) {
            std::int64_t written = 0;
            for (; next < text.size() && isDigit(text[next]); ++next) {
                written = std::min(written * 10 + (text[next] - '0'), kLargestExponentRead);
            }
            exponent += negativeExponent ? -written : written;
            at = next;
        }
    }
    reading.length = at;
    if (dropped) {
        // Something after the kept digits, however small, tips a tie.
        digits += '1';
        --exponent;
    }
    if (digits.empty()) {
        reading.value = negative ? -0.0 : 0.0;
        return reading;
    }
    const std::int64_t leading = exponent + static_cast<std::int64_t>(digits.size()) - 1;
    double magnitude = 0;
    if (leading <= kHighestLeadingExponent && leading >= kLowestLeadingExponent) {
        Natural numerator;
        for (const char digit : digits) {
            numerator.multiplyAdd(10, static_cast<std::uint32_t>(digit - '0'));
        }
        Natural denominator(1);
        numerator.multiplyByPowerOfTen(exponent);
        denominator.multiplyByPowerOfTen(-exponent);
        magnitude = nearestDouble(numerator, denominator);
    } else {
        magnitude = leading > 0 ? HUGE_VAL : 0;
    }
    if (magnitude == 0 || std::isinf(magnitude)) {
        reading.error = std::errc::result_out_of_range;
    }
    reading.value = negative ? -magnitude : magnitude;
    return reading;
}

}  // namespace engine
