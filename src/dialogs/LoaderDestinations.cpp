#include "LoaderDestinations.h"

#include "transfer/PictureLimits.h"

namespace {

const QString Degree = QString(QChar(0xB0));

QString Numbered(const char *word, int number)
{
    return QLatin1String(word) + QStringLiteral(" n") + Degree + QString::number(number);
}

} // namespace

void TLoaderDestinations::Build(int stillLogos, int animatedLogos, bool inverted, int frames)
{
    m_inverted = inverted;
    m_items.clear();
    m_items.append(TItem{});
    const auto group = [this](TRole role, int count, int kind, int firstNumber) {
        m_items.append(TItem{drSeparator, 0, 0, 0, false});
        for (int n = 1; n <= count; ++n)
            m_items.append(TItem{role, kind, firstNumber + n - 1, n, false});
    };
    group(drStillLogo, stillLogos, PictureLimits::KindStillLogo, 1);
    group(drAnimatedLogo, animatedLogos, PictureLimits::KindAnimatedLogo, stillLogos + 1);
    group(drFrame, frames, PictureLimits::KindFrame, 1);
}

QString TLoaderDestinations::Caption(int index) const
{
    const TItem &item = m_items[index];
    const bool showsEmpty = item.Stored != m_inverted;
    switch (item.Role) {
    case drNone:
        return QStringLiteral("None");
    case drSeparator:
        return {};
    case drStillLogo:
        return Numbered("Logo", item.Number) + QStringLiteral(" (")
               + (showsEmpty ? QStringLiteral("Empty") : Numbered("Logo", item.Number)) + QLatin1Char(')');
    case drAnimatedLogo:
        return Numbered("Logo", item.Number) + QStringLiteral(" (")
               + (showsEmpty ? QStringLiteral("Empty") : QStringLiteral("Animated Logo")) + QLatin1Char(')');
    case drFrame:
        return Numbered("Frame", item.Number) + QStringLiteral(" (")
               + (showsEmpty ? QStringLiteral("Empty") : Numbered("Frame", item.Number)) + QLatin1Char(')');
    }
    return {};
}

int TLoaderDestinations::FirstOf(TRole role) const
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items[i].Role == role)
            return i;
    }
    return -1;
}

bool TLoaderDestinations::BeforeFrames(int index) const
{
    const int firstFrame = FirstOf(drFrame);
    return firstFrame < 0 || index < firstFrame;
}

bool TLoaderDestinations::ApplyValid(uint16_t valid)
{
    bool changed = false;
    for (TItem &item : m_items) {
        const int bit = PictureLimits::ValidBitOf(item.Kind, item.Number);
        if (bit < 0)
            continue;
        const bool stored = (valid >> bit) & 1;
        changed = changed || stored != item.Stored;
        item.Stored = stored;
    }
    return changed;
}
