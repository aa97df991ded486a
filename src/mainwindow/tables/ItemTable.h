#pragma once
// The constant tables behind the selectors. A selector's item positions and
// the device values they stand for differ from table to table (the input
// types, for one, are not in value order), so every page goes through one of
// these tables and never keeps a copy of its own.
//
// A table is plain data: a static array of entries in their on-screen order,
// viewed through TItemTable, which adds the lookups. Tables of one subsystem
// live in one file beside this one (InputTables, OutputTables, ...).
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <optional>

// One item: the caption as a menu or a button shows it (a doubled "&&" shows
// as one "&"), the device value it stands for, and whether it is offered.
struct TItemEntry
{
    const char *Caption;
    uint16_t Value;
    bool Enabled = true;
    bool Visible = true;
};

class TItemTable
{
public:
    template <size_t N>
    constexpr TItemTable(const TItemEntry (&entries)[N]) : m_entries(entries), m_count(int(N))
    {
    }
    // A table built at start-up from other constant data.
    TItemTable(const TItemEntry *entries, int count) : m_entries(entries), m_count(count) {}

    int Count() const { return m_count; }
    bool Contains(int position) const { return position >= 0 && position < m_count; }
    // The entry at a position that Contains() accepts.
    const TItemEntry &At(int position) const { return m_entries[position]; }
    const TItemEntry *begin() const { return m_entries; }
    const TItemEntry *end() const { return m_entries + m_count; }

    // The first position holding the value, or -1.
    int PositionOf(uint16_t value) const;
    // The value at a position; nothing outside the table.
    std::optional<uint16_t> ValueAt(int position) const;
    // The caption in its menu form ("&&" doubled), empty outside the table.
    QString CaptionAt(int position) const;
    // The caption for plain text (a grid cell, a message): "&&" shows as "&".
    QString PlainCaptionAt(int position) const;
    // The plain caption of the entry holding the value; empty if none does.
    QString PlainCaptionOf(uint16_t value) const;
    QStringList Captions() const;
    // The entry's flags; an entry outside the table counts as offered.
    bool EnabledAt(int position) const { return !Contains(position) || m_entries[position].Enabled; }
    bool VisibleAt(int position) const { return !Contains(position) || m_entries[position].Visible; }

private:
    const TItemEntry *m_entries;
    int m_count;
};

// Whether bit n of a value is set (a memory's "holds a picture" flag, a
// format's offered rates); bits beyond the value's width are clear.
constexpr bool BitIsSet(unsigned value, int n)
{
    return n >= 0 && n < 32 && (value & (1u << n)) != 0;
}

// "&&" to "&", for text shown where no accelerator marks are read.
QString PlainText(const char *caption);
// The reverse, for operator text put on a button or a menu item: every "&"
// shows as itself.
QString MenuText(const QString &plain);
