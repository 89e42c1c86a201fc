// Remembered passcode: scrambling and the profile key.
#include "core/device/passcode_store.h"

#include <cerrno>
#include <cstdlib>

#include "core/platform/profile.h"

namespace voltaro {
namespace {

constexpr uint32_t kOffset = 1000000000;
// A prime above every offset passcode (1999999999) and below 2^31, so that every stored
// value is a positive signed 32-bit number. Exponentiation with an exponent coprime to
// p - 1 permutes 1 .. p - 1; the inverse exponent undoes it.
constexpr uint64_t kModulus = 2147483647;
constexpr uint64_t kForward = 65537;

constexpr uint64_t InverseExponent() {
    // Extended Euclid for kForward^-1 mod (kModulus - 1).
    int64_t m = static_cast<int64_t>(kModulus - 1), a = static_cast<int64_t>(kForward);
    int64_t x0 = 0, x1 = 1;
    int64_t mm = m;
    while (a > 1) {
        int64_t q = a / mm, t = mm;
        mm = a % mm;
        a = t;
        t = x0;
        x0 = x1 - q * x0;
        x1 = t;
    }
    return static_cast<uint64_t>(x1 < 0 ? x1 + m : x1);
}
constexpr uint64_t kInverse = InverseExponent();
static_assert((kForward * kInverse) % (kModulus - 1) == 1);

constexpr uint64_t PowMod(uint64_t base, uint64_t exponent) {
    uint64_t result = 1;
    base %= kModulus;
    while (exponent) {
        if (exponent & 1) result = result * base % kModulus;
        base = base * base % kModulus;
        exponent >>= 1;
    }
    return result;
}
static_assert(PowMod(PowMod(1999999999, kForward), kInverse) == 1999999999);

constexpr const char* kSection = "Settings";
constexpr const char* kKey = "Passcode";

}  // namespace

int32_t ScramblePasscode(uint32_t passcode) {
    if (passcode > kMaxPasscode) passcode = 0;
    return static_cast<int32_t>(PowMod(passcode + kOffset, kForward));
}

std::optional<uint32_t> UnscramblePasscode(int32_t stored) {
    if (stored <= 0 || static_cast<uint64_t>(stored) >= kModulus) return std::nullopt;
    uint64_t value = PowMod(static_cast<uint64_t>(stored), kInverse);
    if (value < kOffset || value - kOffset > kMaxPasscode) return std::nullopt;
    return static_cast<uint32_t>(value - kOffset);
}

std::optional<uint32_t> LoadRememberedPasscode(const CUserProfile& profile) {
    return UnscramblePasscode(profile.GetInt(kSection, kKey, kNoRememberedPasscode));
}

void StoreRememberedPasscode(CUserProfile& profile, std::optional<uint32_t> passcode) {
    profile.SetInt(kSection, kKey, passcode ? ScramblePasscode(*passcode) : kNoRememberedPasscode);
}

CEnterPasscodeModel::CEnterPasscodeModel(CUserProfile& profile) : profile_(profile) {
    if (auto remembered = LoadRememberedPasscode(profile)) {
        remembered_ = *remembered;
        saveChecked_ = true;
        fieldText_ = kMaskText;
    }
}

uint32_t CEnterPasscodeModel::ParseField(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(begin, &end, 0);
    if (errno != 0 || *end != '\0' || value < 0 || value > kMaxPasscode) return 0;
    return static_cast<uint32_t>(value);
}

uint32_t CEnterPasscodeModel::Accept(bool fieldChanged, const std::string& text, bool saveChecked) {
    uint32_t passcode = fieldChanged ? ParseField(text) : remembered_;
    if (!saveChecked)
        StoreRememberedPasscode(profile_, std::nullopt);
    else if (fieldChanged)
        StoreRememberedPasscode(profile_, passcode);
    else
        return passcode;  // nothing changed
    profile_.Save();
    return passcode;
}

}  // namespace voltaro
