#pragma once
#include <QString>
#include <QVector>
#include <cstdint>

// The loader's list of destinations: "None", then the still logos, the
// animated logos and the frames, each group after a separator. Each
// destination carries a stored mark, shown in its caption ("Logo n°1 (Empty)"
// or "Logo n°1 (Logo n°1)"); with the inverted flag off the captions read
// the other way round.
class TLoaderDestinations
{
public:
    enum TRole { drNone, drSeparator, drStillLogo, drAnimatedLogo, drFrame };

    struct TItem
    {
        TRole Role = drNone;
        int Kind = 0;    // 1 frame, 2 still logo, 3 animated logo; 0 for none
        int Number = 0;  // on the wire: animated logos count after the still logos
        int Ordinal = 0; // within its group, from 1
        bool Stored = false;
    };

    void Build(int stillLogos, int animatedLogos, bool inverted, int frames);

    int Count() const { return int(m_items.size()); }
    const TItem &At(int index) const { return m_items[index]; }
    QString Caption(int index) const;
    int FirstOf(TRole role) const;
    // Whether the item comes before the first frame.
    bool BeforeFrames(int index) const;

    // The marks of the destinations PVALID names follow its bits; the others
    // keep theirs. Returns whether a mark changed.
    bool ApplyValid(uint16_t valid);

private:
    QVector<TItem> m_items;
    bool m_inverted = true;
};
