#include "SimPictureMemories.h"

SimStoredPicture *SimPictureMemories::Memory(int kind, int number)
{
    switch (kind) {
    case PictureLimits::KindStillLogo:
        return number >= 1 && number <= PictureLimits::StillLogoCount ? &m_stillLogos[size_t(number - 1)] : nullptr;
    case PictureLimits::KindAnimatedLogo:
        return number == PictureLimits::AnimatedLogoNumber ? &m_animatedLogo : nullptr;
    case PictureLimits::KindFrame:
        return number == 1 ? &m_frame : nullptr;
    default:
        return nullptr;
    }
}

uint16_t SimPictureMemories::ValidBits(uint16_t current) const
{
    uint16_t bits = current & 1;
    const auto mark = [&bits](const SimStoredPicture &memory, int kind, int number) {
        const int bit = PictureLimits::ValidBitOf(kind, number);
        if (bit >= 0 && !memory.IsEmpty())
            bits |= uint16_t(1 << bit);
    };
    for (int n = 1; n <= PictureLimits::StillLogoCount; ++n)
        mark(m_stillLogos[size_t(n - 1)], PictureLimits::KindStillLogo, n);
    mark(m_frame, PictureLimits::KindFrame, 1);
    return bits;
}
